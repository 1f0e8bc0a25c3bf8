#include "platform/program_files.h"

#include <unistd.h>

#include <filesystem>

#include "base/atomic_file.h"
#include "profile/profile_file.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

bool exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

std::string folderName(const fs::path& folder) {
    std::string name = folder.lexically_normal().string();
    if (!name.ends_with('/')) {
        name += '/';
    }
    return name;
}

}  // namespace

ProgramFiles::ProgramFiles(std::string programDirectory, std::string configHome)
    : programDirectory_(std::move(programDirectory)),
      sharedDirectory_(folderName(fs::path(programDirectory_) / "../share/kwprog")),
      userDirectory_(configHome.empty() ? "" : folderName(fs::path(configHome) / "kwprog")) {}

std::string ProgramFiles::folderOf(std::string_view name) const {
    const std::string beside = programDirectory_ + std::string(name);
    if (!exists(beside) && exists(sharedDirectory_ + std::string(name))) {
        return sharedDirectory_;
    }
    return programDirectory_;
}

std::string ProgramFiles::profilePath(std::string_view name) const {
    const std::string beside = profilePathFor(name, programDirectory_);
    if (name.starts_with('/') || ::access(beside.c_str(), W_OK) == 0 || userDirectory_.empty() ||
        !exists(sharedDirectory_ + std::string(name))) {
        return beside;
    }
    return userDirectory_ + std::string(name);
}

std::string ProgramFiles::profileToRead(std::string_view name) const {
    std::string path = profilePath(name);
    if (!userDirectory_.empty() && path.starts_with(userDirectory_) && !exists(path)) {
        return sharedDirectory_ + std::string(name);
    }
    return path;
}

ProfilePlace ProgramFiles::placeProfile(std::string_view name) const {
    ProfilePlace place{profilePath(name), {}};
    if (userDirectory_.empty() || !place.path.starts_with(userDirectory_) || exists(place.path)) {
        return place;
    }
    std::error_code error;
    fs::create_directories(userDirectory_, error);
    std::string contents;
    const std::string installed = sharedDirectory_ + std::string(name);
    if (const FileReadResult read = readWholeFile(installed, contents); !read) {
        place.error = read.error;
    } else if (const FileWriteResult written = writeFileAtomically(place.path, contents);
               !written) {
        place.error = written.error;
    }
    return place;
}

}  // namespace kw
