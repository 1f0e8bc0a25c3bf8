#include "cli.h"

#include <algorithm>

#include "commands.h"
#include "exit_status.h"

namespace kw::cli {
namespace {

void printUsage(std::ostream& stream) {
    stream << "Usage: kwprog-cli COMMAND ...\n";
    for (const Command* command : allCommands()) {
        stream << "  kwprog-cli " << command->name << ' ' << command->usage << '\n';
    }
    stream << "Exit status: 0 done, 1 refused input, 2 bad file or usage, 3 radio or port "
              "failure, 4 cancelled.\n";
}

}  // namespace

int runCli(std::span<const std::string> words, std::ostream& out, std::ostream& err) {
    if (words.empty()) {
        printUsage(err);
        return kBadInput;
    }
    if (words[0] == "help" || words[0] == "--help" || words[0] == "-h") {
        printUsage(out);
        return kDone;
    }
    const auto commands = allCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const Command* c) { return c->name == words[0]; });
    if (found == commands.end()) {
        err << "Unknown command \"" << words[0] << "\"; \"kwprog-cli help\" lists them.\n";
        return kBadInput;
    }
    const Command* command = *found;
    std::string error;
    const auto arguments = Arguments::parse(words.subspan(1), command->options, error);
    if (arguments && (arguments->positionals().size() < command->minPositionals ||
                      arguments->positionals().size() > command->maxPositionals)) {
        error = "Wrong number of arguments.";
    }
    if (!error.empty()) {
        err << error << " Usage: kwprog-cli " << command->name << ' ' << command->usage << '\n';
        return kBadInput;
    }
    CommandContext context{out, err, ProductState{}};
    return command->run(*arguments, context);
}

}  // namespace kw::cli
