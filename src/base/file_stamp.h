#pragma once
// Which file a path names and how it looked: to tell two paths that name one file apart
// from two files, and to notice that a file was changed on disk since it was read.

#include <sys/types.h>

#include <ctime>
#include <optional>
#include <string>

namespace kw {

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    [[nodiscard]] bool sameFileAs(const FileStamp& other) const {
        return device == other.device && inode == other.inode;
    }
};

// After following links; nothing when the path names no file.
[[nodiscard]] std::optional<FileStamp> stampOf(const std::string& path);

// A save replaces the file, so another inode counts as a change too. A file that is gone
// has changed; one that was missing when stamped has changed once it exists.
[[nodiscard]] bool changedSince(const std::string& path, const std::optional<FileStamp>& stamp);

// Two paths naming one file, by any path or link.
[[nodiscard]] bool sameFile(const std::string& first, const std::string& second);

}  // namespace kw
