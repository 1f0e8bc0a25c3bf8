#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kw {
namespace {

std::string reasonText(int error) { return std::strerror(error); }

FileWriteResult failure(const std::string& path, int error) {
    return {false, "Could not write \"" + path + "\": " + reasonText(error) + "."};
}

// Writes replace the target of a symbolic link, not the link itself.
std::string resolvedTarget(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    return path;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t modeForNewFile(const std::string& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
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

}  // namespace

FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string target = resolvedTarget(path);
    std::string temporary = target + ".XXXXXX";
    std::vector<char> pattern(temporary.begin(), temporary.end());
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return failure(path, errno);
    }
    temporary.assign(pattern.data());

    int error = 0;
    bool ok = ::fchmod(fd, modeForNewFile(target)) == 0 || (error = errno, false);
    ok = ok && writeAll(fd, bytes.data(), bytes.size(), error);
    ok = ok && (::fsync(fd) == 0 || (error = errno, false));
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    ok = ok && (::rename(temporary.c_str(), target.c_str()) == 0 || (error = errno, false));
    if (!ok) {
        ::unlink(temporary.c_str());
        return failure(path, error);
    }
    // Make the rename itself durable; a failure here does not undo a complete file.
    const int dir = ::open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {true, {}};
}

FileWriteResult writeFileAtomically(const std::string& path, std::string_view text) {
    return writeFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

FileReadResult readWholeFile(const std::string& path, std::string& contents,
                             std::size_t maxSize) {
    contents.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {FileReadStatus::CannotRead,
                "Could not open \"" + path + "\": " + reasonText(errno) + "."};
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
