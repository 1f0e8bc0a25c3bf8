#include "base/save_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "base/file_type.h"

namespace kw {
namespace {

SaveTarget refused(std::string error) {
    SaveTarget target;
    target.error = std::move(error);
    return target;
}

SaveTarget refusedBy(const std::string& path, int error) {
    return refused("Could not write \"" + path + "\": " + std::strerror(error) + ".");
}

SaveTarget missingTarget(const std::string& path) {
    struct stat own {};
    if (::lstat(path.c_str(), &own) == 0 && S_ISLNK(own.st_mode)) {
        return refused("\"" + path +
                       "\" is a symbolic link to a file that does not exist; it was left as "
                       "it is.");
    }
    const std::string folder = folderOf(path);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return refusedBy(path, errno);
    }
    if (!S_ISDIR(info.st_mode)) {
        return refusedBy(path, ENOTDIR);
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        return refusedBy(path, errno);
    }
    return {SaveTargetKind::Missing, path, {}};
}

SaveTarget regularTarget(const std::string& path, const struct stat& info) {
    if ((info.st_mode & 0222) == 0) {
        return refused("\"" + path + "\" is read-only; it was left as it is.");
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return refusedBy(path, errno);
    }
    if (::access(resolved, W_OK) != 0) {
        return refusedBy(path, errno);
    }
    SaveTarget target{SaveTargetKind::Regular, resolved, {}};
    target.mode = info.st_mode & 07777;
    target.owner = info.st_uid;
    target.group = info.st_gid;
    target.links = info.st_nlink;
    return target;
}

}  // namespace

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

SaveTarget resolveSaveTarget(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? missingTarget(path) : refusedBy(path, errno);
    }
    if (S_ISREG(info.st_mode)) {
        return regularTarget(path, info);
    }
    if (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode)) {
        SaveTarget target{SaveTargetKind::Stream, path, {}};
        target.mode = info.st_mode;
        return target;
    }
    return refused(notRegularFileText(path, info.st_mode) + " It was left as it is.");
}

}  // namespace kw
