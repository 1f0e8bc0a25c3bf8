#pragma once
// The help texts: the list of every command, and one command's usage, options and
// examples.

#include <ostream>

#include "command.h"

namespace kw::cli {

void printUsage(std::ostream& stream);

void printCommandHelp(const Command& command, std::ostream& stream);

}  // namespace kw::cli
