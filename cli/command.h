#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "base/arguments.h"
#include "model/product_state.h"

namespace kw::cli {

// What a command may use besides its arguments: the streams it reports on and the
// process-wide state the desktop program would own.
struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    ProductState product;
    std::string programDirectory;  // where bare file names of the program's own files lie
};

// One option as the help shows it: its form ("--lang en|zh") and one line on what it does.
struct OptionHelp {
    std::string_view form;
    std::string_view meaning;
};

// What "kwprog-cli help COMMAND" teaches beside the usage.
struct CommandHelp {
    std::string_view summary;  // one sentence
    std::span<const OptionHelp> options;
    std::span<const std::string_view> examples;  // whole command lines
    std::string_view details;                    // lines about the arguments, or empty
};

struct Command {
    std::string_view name;
    std::string_view usage;  // the arguments after the command name
    std::span<const Option> options;
    std::size_t minPositionals;
    std::size_t maxPositionals;
    int (*run)(const Arguments& arguments, CommandContext& context);
    CommandHelp help;
};

}  // namespace kw::cli
