#pragma once
// Every file the program writes goes through here: written to a temporary file in the
// same folder, flushed and renamed over the old one, so a crash or a full disk never
// leaves a half-written file. A link is followed to its target; anything but a regular
// file (or a missing one) is left alone, and a read-only file is refused.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kw {

struct [[nodiscard]] FileWriteResult {
    bool ok = false;
    std::string error;  // one sentence naming the file and the reason when !ok

    explicit operator bool() const { return ok; }
};

FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
FileWriteResult writeFileAtomically(const std::string& path, std::string_view text);

// Whether a save to `path` would be taken, without writing: for checks before long work.
FileWriteResult checkSaveTarget(const std::string& path);

// A text output: a FIFO or a character device (a terminal) is written as a stream, any
// other target is saved as above.
FileWriteResult writeTextOutput(const std::string& path, std::string_view text);

enum class FileReadStatus { Ok, CannotRead, TooLarge };

struct [[nodiscard]] FileReadResult {
    FileReadStatus status = FileReadStatus::Ok;
    std::string error;  // one sentence naming the file and the reason when not Ok

    explicit operator bool() const { return status == FileReadStatus::Ok; }
};

// Reads a whole regular file; anything else is refused without blocking. More than `maxSize` bytes
// is refused (a guard against being handed a device or a huge file); `contents` then holds the
// first bytes read.
FileReadResult readWholeFile(const std::string& path, std::string& contents,
                             std::size_t maxSize = 64u << 20);

}  // namespace kw
