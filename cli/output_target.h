#pragma once
// Checks on a command's output file, made before anything is read or written.

#include <string>
#include <string_view>

#include "base/arguments.h"
#include "command.h"

namespace kw::cli {

inline constexpr Option kForceOption{"force", false};
inline constexpr OptionHelp kForceHelp{"--force", "replace an existing output file"};

// The output is one of the command's inputs (by any path or link): reported, exit kBadInput.
[[nodiscard]] bool isAnInput(const std::string& output, const std::string& input,
                             CommandContext& context);

// A side file the command writes as it goes (--trace, --log given as `option`) is one of
// the command's other files, by any path or link, even one still to be made: reported,
// exit kBadInput.
[[nodiscard]] bool isAnotherFileOfTheCommand(const std::string& sideFile, std::string_view option,
                                             const Arguments& arguments, CommandContext& context);

// An existing output is replaced only with --force: reported, exit kRefused.
[[nodiscard]] bool wouldReplaceUnforced(const std::string& output, const Arguments& arguments,
                                        CommandContext& context);

// A save to the output would be refused (missing folder, read-only file, a device ...):
// reported, exit kBadInput.
[[nodiscard]] bool cannotSaveTo(const std::string& output, CommandContext& context);

}  // namespace kw::cli
