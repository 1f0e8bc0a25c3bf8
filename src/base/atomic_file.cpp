#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include "base/file_type.h"
#include "base/save_target.h"

namespace kw {
namespace {

std::string reasonText(int error) {
    return std::strerror(error);
}

FileWriteResult failure(const std::string& path, int error) {
    return {false, "Could not write \"" + path + "\": " + reasonText(error) + "."};
}

mode_t modeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size, int& error) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// The new file takes the old one's owner, group and mode. False when the caller may not
// give it the old owner or group: replacing would then change them.
bool takeOldIdentity(int fd, const SaveTarget& target, int& error) {
    if (target.kind != SaveTargetKind::Regular) {
        return ::fchmod(fd, modeForNewFile()) == 0 || (error = errno, false);
    }
    // The owner first: a change of owner clears the set-ID bits that fchmod then restores.
    return ::fchown(fd, target.owner, target.group) == 0 &&
           (::fchmod(fd, target.mode) == 0 || (error = errno, false));
}

// A file with several links, or one whose owner a new file could not keep, is rewritten
// in place from the complete copy beside it, so every link and the owner stay.
bool rewriteInPlace(const std::string& target, std::span<const std::uint8_t> bytes, int& error) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    bool ok = writeAll(fd, bytes.data(), bytes.size(), error);
    ok = ok && (::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 || (error = errno, false));
    ok = ok && (::fsync(fd) == 0 || (error = errno, false));
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok;
}

// A missing target is only ever created: a file that appeared there meanwhile was put
// there by another program and is not ours to replace.
bool moveIntoPlace(const std::string& temporary, const SaveTarget& target, int& error) {
    if (target.kind == SaveTargetKind::Missing) {
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.path.c_str(),
                        RENAME_NOREPLACE) == 0) {
            return true;
        }
        if (errno != EINVAL && errno != ENOSYS) {
            error = errno;
            return false;
        }
    }
    return ::rename(temporary.c_str(), target.path.c_str()) == 0 || (error = errno, false);
}

void syncFolder(const std::string& path) {
    // Makes a rename durable; a failure here does not undo a complete file.
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

FileWriteResult replaceFile(const std::string& path, const SaveTarget& target,
                            std::span<const std::uint8_t> bytes) {
    std::string temporary = target.path + ".XXXXXX";
    std::vector<char> pattern(temporary.begin(), temporary.end());
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return failure(path, errno);
    }
    temporary.assign(pattern.data());

    int error = 0;
    const bool keepsIdentity = takeOldIdentity(fd, target, error);
    bool ok = error == 0;
    ok = ok && writeAll(fd, bytes.data(), bytes.size(), error);
    ok = ok && (::fsync(fd) == 0 || (error = errno, false));
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && (target.links > 1 || !keepsIdentity)) {
        if (!rewriteInPlace(target.path, bytes, error)) {
            return {false,
                    failure(path, error).error + " The new version is in \"" + temporary + "\"."};
        }
        ::unlink(temporary.c_str());
        return {true, {}};
    }
    ok = ok && moveIntoPlace(temporary, target, error);
    if (!ok) {
        ::unlink(temporary.c_str());
        return failure(path, error);
    }
    syncFolder(target.path);
    return {true, {}};
}

FileWriteResult writeStream(const std::string& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return failure(path, errno);
    }
    int error = 0;
    const bool ok = writeAll(fd, bytes.data(), bytes.size(), error);
    if (::close(fd) != 0 && ok) {
        return failure(path, errno);
    }
    return ok ? FileWriteResult{true, {}} : failure(path, error);
}

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Why a save could not take `target`; nothing when it can.
std::optional<FileWriteResult> refusalOf(const std::string& path, const SaveTarget& target) {
    switch (target.kind) {
        case SaveTargetKind::Refused:
            return FileWriteResult{false, target.error};
        case SaveTargetKind::Stream:
            return FileWriteResult{
                false, notRegularFileText(path, target.mode) + " It was left as it is."};
        case SaveTargetKind::Missing:
        case SaveTargetKind::Regular:
            break;
    }
    return std::nullopt;
}

}  // namespace

FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const SaveTarget target = resolveSaveTarget(path);
    if (auto refusal = refusalOf(path, target)) {
        return std::move(*refusal);
    }
    return replaceFile(path, target, bytes);
}

FileWriteResult writeFileAtomically(const std::string& path, std::string_view text) {
    return writeFileAtomically(path, bytesOf(text));
}

FileWriteResult checkSaveTarget(const std::string& path) {
    return refusalOf(path, resolveSaveTarget(path)).value_or(FileWriteResult{true, {}});
}

FileWriteResult writeTextOutput(const std::string& path, std::string_view text) {
    if (resolveSaveTarget(path).kind == SaveTargetKind::Stream) {
        return writeStream(path, bytesOf(text));
    }
    return writeFileAtomically(path, text);
}

FileReadResult readWholeFile(const std::string& path, std::string& contents, std::size_t maxSize) {
    contents.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {FileReadStatus::CannotRead,
                "Could not open \"" + path + "\": " + reasonText(errno) + "."};
    }
    // Only a regular file is opened: a FIFO or a device could block or never end.
    if (!S_ISREG(info.st_mode)) {
        return {FileReadStatus::CannotRead, notRegularFileText(path, info.st_mode)};
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return {FileReadStatus::CannotRead,
                "Could not open \"" + path + "\": " + reasonText(errno) + "."};
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {FileReadStatus::CannotRead, notRegularFileText(path, info.st_mode)};
    }
    char buffer[8192];
    FileReadResult result;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            result = {FileReadStatus::CannotRead,
                      "Could not read \"" + path + "\": " + reasonText(errno) + "."};
            break;
        }
        if (got == 0) {
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(got));
        if (contents.size() > maxSize) {
            result = {FileReadStatus::TooLarge, "\"" + path + "\" is too large."};
            break;
        }
    }
    ::close(fd);
    return result;
}

}  // namespace kw
