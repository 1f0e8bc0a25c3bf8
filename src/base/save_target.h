#pragma once
// Where a save lands, decided before a byte is written: a symbolic link is followed to
// its final target, and anything that a save could destroy or that could never take the
// file is refused with a sentence saying why.

#include <sys/types.h>

#include <string>

namespace kw {

enum class SaveTargetKind {
    Missing,  // created by the save
    Regular,  // replaced by the save
    Stream,   // a FIFO or a character device (a terminal, say): written to, never replaced
    Refused,  // see `error`
};

struct SaveTarget {
    SaveTargetKind kind = SaveTargetKind::Refused;
    std::string path;   // with links followed; for a stream the path as given
    std::string error;  // one sentence naming the file and the reason when Refused
    mode_t mode = 0;    // of an existing file
    uid_t owner = 0;
    gid_t group = 0;
    nlink_t links = 0;
};

// A regular file without any write permission bit is read-only even for root; one the
// caller may not write is refused, as is a missing file whose folder is missing.
[[nodiscard]] SaveTarget resolveSaveTarget(const std::string& path);

[[nodiscard]] std::string folderOf(const std::string& path);

}  // namespace kw
