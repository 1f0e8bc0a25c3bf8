#pragma once
// An exclusive advisory lock held for a whole read-change-write of one file, so two
// programs changing it at once never lose each other's changes. The lock is on the file
// the path names; a missing file has nothing to lock, and its save only ever creates it,
// so a file another program made meanwhile is never replaced.

#include <chrono>
#include <optional>
#include <string>

namespace kw {

class FileLock {
  public:
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Waits up to `patience` for another holder to let go. On failure `error` holds one
    // sentence naming the file and the reason.
    [[nodiscard]] static std::optional<FileLock> acquire(
        const std::string& path, std::string& error,
        std::chrono::milliseconds patience = std::chrono::seconds(10));

  private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace kw
