#pragma once
// What a path names, in words for messages about files that are not regular files.

#include <sys/types.h>

#include <string>

namespace kw {

// "a FIFO", "a character device", "a folder" ... for `mode` from stat.
[[nodiscard]] std::string fileTypeText(mode_t mode);

// One sentence: "\"path\" is a FIFO, not a regular file."
[[nodiscard]] std::string notRegularFileText(const std::string& path, mode_t mode);

}  // namespace kw
