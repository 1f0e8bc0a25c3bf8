#include "base/file_type.h"

#include <sys/stat.h>

namespace kw {

std::string fileTypeText(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a FIFO";
    }
    if (S_ISCHR(mode)) {
        return "a character device";
    }
    if (S_ISBLK(mode)) {
        return "a block device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    if (S_ISLNK(mode)) {
        return "a symbolic link";
    }
    return S_ISREG(mode) ? "a regular file" : "not a file";
}

std::string notRegularFileText(const std::string& path, mode_t mode) {
    return "\"" + path + "\" is " + fileTypeText(mode) + ", not a regular file.";
}

}  // namespace kw
