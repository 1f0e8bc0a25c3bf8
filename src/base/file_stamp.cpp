#include "base/file_stamp.h"

#include <sys/stat.h>

namespace kw {

std::optional<FileStamp> stampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

bool changedSince(const std::string& path, const std::optional<FileStamp>& stamp) {
    const auto now = stampOf(path);
    if (!now || !stamp) {
        return now.has_value() != stamp.has_value();
    }
    return !now->sameFileAs(*stamp) || now->size != stamp->size ||
           now->modified.tv_sec != stamp->modified.tv_sec ||
           now->modified.tv_nsec != stamp->modified.tv_nsec;
}

bool sameFile(const std::string& first, const std::string& second) {
    const auto a = stampOf(first);
    const auto b = stampOf(second);
    return a && b && a->sameFileAs(*b);
}

}  // namespace kw
