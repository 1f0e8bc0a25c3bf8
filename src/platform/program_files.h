#pragma once
// Where the program's own files lie. A build folder or a dealer's copy keeps them all
// beside the executable. An installed program (PREFIX/bin) finds its pictures and help in
// PREFIX/share/kwprog/ and keeps its Program.ini in the user's configuration folder, made
// from the installed default on the first run, since it may not write beside itself.

#include <string>
#include <string_view>

namespace kw {

struct [[nodiscard]] ProfilePlace {
    std::string path;   // the profile to open
    std::string error;  // one sentence when the user's copy could not be made

    explicit operator bool() const { return error.empty(); }
};

class ProgramFiles {
  public:
    // `programDirectory` ends in '/'; `configHome` is $XDG_CONFIG_HOME or its default.
    ProgramFiles(std::string programDirectory, std::string configHome);

    const std::string& programDirectory() const { return programDirectory_; }
    // PREFIX/share/kwprog/ for an executable in PREFIX/bin/.
    const std::string& sharedDirectory() const { return sharedDirectory_; }

    // The folder (ending in '/') of the file or folder `name`: beside the executable when
    // it is there, else the shared folder when it is there, else beside the executable.
    [[nodiscard]] std::string folderOf(std::string_view name) const;

    // Where the profile `name` is read and written: an absolute name as it is; beside the
    // executable when a writable one is there or no installed default is; else the user's
    // copy, CONFIG/kwprog/NAME. Touches nothing.
    [[nodiscard]] std::string profilePath(std::string_view name) const;

    // profilePath(), or the installed default while the user has no copy of it: for a
    // reader that must leave nothing behind.
    [[nodiscard]] std::string profileToRead(std::string_view name) const;

    // profilePath(), with the user's copy made from the installed default when it is due
    // and missing.
    [[nodiscard]] ProfilePlace placeProfile(std::string_view name) const;

  private:
    std::string programDirectory_;
    std::string sharedDirectory_;
    std::string userDirectory_;
};

}  // namespace kw
