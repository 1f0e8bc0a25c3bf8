#pragma once
// Where a shell without the desktop program's start-up finds the per-user settings store
// the desktop program uses: named after Program.ini's Setup/AppName.

#include <string>
#include <string_view>

#include "platform/program_files.h"

namespace kw {

inline constexpr std::string_view kDefaultAppName = "KWProgram";

// The settings file for the AppName `appName`; a name that could leave its folder
// uses kDefaultAppName, as the desktop program does.
[[nodiscard]] std::string userSettingsPath(std::string_view appName, std::string_view configHome);

// The same, reading AppName from the program's Program.ini without creating or changing it.
[[nodiscard]] std::string userSettingsPath(const ProgramFiles& files, std::string_view configHome);

}  // namespace kw
