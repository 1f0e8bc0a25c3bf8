#include "command_help.h"

#include <algorithm>
#include <iomanip>

#include "commands.h"

namespace kw::cli {

void printUsage(std::ostream& stream) {
    stream << "Usage: kwprog-cli COMMAND ...\n";
    for (const Command* command : allCommands()) {
        stream << "  kwprog-cli " << command->name << ' ' << command->usage << '\n';
    }
    stream << "Exit status: 0 done, 1 refused input, 2 bad file or usage, 3 radio or port "
              "failure, 4 cancelled.\n"
              "\"kwprog-cli help COMMAND\" shows a command's options and examples.\n";
}

void printCommandHelp(const Command& command, std::ostream& stream) {
    const CommandHelp& help = command.help;
    stream << "Usage: kwprog-cli " << command.name << ' ' << command.usage << '\n'
           << help.summary << '\n';
    if (!help.details.empty()) {
        stream << '\n' << help.details;
    }
    if (!help.options.empty()) {
        std::size_t width = 0;
        for (const OptionHelp& option : help.options) {
            width = std::max(width, option.form.size());
        }
        stream << "\nOptions:\n";
        for (const OptionHelp& option : help.options) {
            stream << "  " << std::left << std::setw(static_cast<int>(width + 2)) << option.form
                   << option.meaning << '\n';
        }
    }
    stream << "\nExamples:\n";
    for (const std::string_view example : help.examples) {
        stream << "  " << example << '\n';
    }
}

}  // namespace kw::cli
