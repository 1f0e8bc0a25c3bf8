#include "base/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

#include "base/file_stamp.h"

namespace kw {
namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(20);

// A save replaces the file's inode, so a lock won on the old one locks nothing.
bool stillNamedBy(int fd, const std::string& path) {
    const auto now = stampOf(path);
    struct stat info {};
    return now && ::fstat(fd, &info) == 0 && now->device == info.st_dev &&
           now->inode == info.st_ino;
}

}  // namespace

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::optional<FileLock> FileLock::acquire(const std::string& path, std::string& error,
                                          std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            return FileLock(-1);
        }
        if (fd < 0) {
            error = "Could not lock \"" + path + "\": " + std::strerror(errno) + ".";
            return std::nullopt;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (stillNamedBy(fd, path)) {
                return FileLock(fd);
            }
            ::close(fd);
            continue;
        }
        const int reason = errno;
        ::close(fd);
        if (reason != EWOULDBLOCK && reason != EINTR) {
            error = "Could not lock \"" + path + "\": " + std::strerror(reason) + ".";
            return std::nullopt;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            error = "\"" + path + "\" is in use by another program.";
            return std::nullopt;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
}

}  // namespace kw
