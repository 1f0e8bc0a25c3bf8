#pragma once
// "--version" as the only argument: each executable answers "NAME VERSION" and ends,
// before it looks at anything else (the desktop program before it needs a display).

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kw {

// The line to print, with its newline, when `arguments` (without the program's own
// name) ask for the version; nothing otherwise.
[[nodiscard]] std::optional<std::string> versionAnswer(std::string_view programName,
                                                       std::span<char* const> arguments);

}  // namespace kw
