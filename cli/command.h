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

struct Command {
    std::string_view name;
    std::string_view usage;  // the arguments after the command name
    std::span<const Option> options;
    std::size_t minPositionals;
    std::size_t maxPositionals;
    int (*run)(const Arguments& arguments, CommandContext& context);
};

}  // namespace kw::cli
