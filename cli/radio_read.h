#pragma once
// A Read of the radio's memory for a comparison, with the terminal as its user: checked
// against a document's password, touching no document.

#include <optional>
#include <string>

#include "command.h"
#include "model/radio_image.h"

namespace kw::cli {

inline constexpr Option kPasswordOption{"password"};

// --password's digits into `password` when given; false, with the reason on the error
// stream, when they are no password.
[[nodiscard]] bool passwordOption(const Arguments& arguments, CommandContext& context,
                                  std::optional<std::string>& password);

// Reads the radio named by --port (with --retry and --quiet) expecting the password of
// `passwordFrom`, or of --password when given. Returns the exit status; on kDone `memory`
// holds the radio's memory as a backup would.
[[nodiscard]] int readRadioMemory(const RadioImage& passwordFrom, RadioImage& memory,
                                  const Arguments& arguments, CommandContext& context);

}  // namespace kw::cli
