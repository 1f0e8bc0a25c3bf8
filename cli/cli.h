#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "base/arguments.h"
#include "command.h"

namespace kw::cli {

struct ParsedCommandLine {
    const Command* command = nullptr;  // null when the words name no command
    std::optional<Arguments> arguments;
    std::string error;  // a sentence for the user when arguments is empty
};

// Finds the command and takes its arguments apart; runs nothing.
[[nodiscard]] ParsedCommandLine parseCommandLine(
    std::span<const std::string> words);  // words non-empty

// Runs one kwprog-cli command line (without the program name); returns the exit status.
int runCli(std::span<const std::string> words, std::ostream& out, std::ostream& err);
// The same with the program directory given, as tests do.
int runCli(std::span<const std::string> words, std::ostream& out, std::ostream& err,
           const std::string& programDirectory);

}  // namespace kw::cli
