#pragma once

#include <ostream>
#include <span>
#include <string>

namespace kw::cli {

// Runs one kwprog-cli command line (without the program name); returns the exit status.
int runCli(std::span<const std::string> words, std::ostream& out, std::ostream& err);

}  // namespace kw::cli
