#include "cli.h"

#include <algorithm>

#include "commands.h"
#include "exit_status.h"
#include "platform/program_directory.h"

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

// Output that never arrived is a failure, whatever the command itself made of its work.
int withOutputChecked(int status, std::ostream& out, std::ostream& err) {
    if (out.flush()) {
        return status;
    }
    err << "Could not write to standard output.\n";
    return status == kDone ? kBadInput : status;
}

}  // namespace

ParsedCommandLine parseCommandLine(std::span<const std::string> words) {
    ParsedCommandLine parsed;
    const auto commands = allCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const Command* c) { return c->name == words[0]; });
    if (found == commands.end()) {
        parsed.error = "Unknown command \"" + words[0] + "\"; \"kwprog-cli help\" lists them.";
        return parsed;
    }
    parsed.command = *found;
    ParsedArguments taken = parseArguments(words.subspan(1), {parsed.command->options});
    if (taken) {
        parsed.arguments = std::move(taken.arguments);
    } else {
        parsed.error = taken.refusal->sentence();
    }
    if (parsed.arguments &&
        (parsed.arguments->positionals().size() < parsed.command->minPositionals ||
         parsed.arguments->positionals().size() > parsed.command->maxPositionals)) {
        parsed.arguments.reset();
        parsed.error = "Wrong number of arguments.";
    }
    if (!parsed.arguments) {
        parsed.error += " Usage: kwprog-cli " + std::string(parsed.command->name) + ' ' +
                        std::string(parsed.command->usage);
    }
    return parsed;
}

int runCli(std::span<const std::string> words, std::ostream& out, std::ostream& err) {
    return runCli(words, out, err, programDirectory());
}

int runCli(std::span<const std::string> words, std::ostream& out, std::ostream& err,
           const std::string& programDirectory) {
    if (words.empty()) {
        printUsage(err);
        return kBadInput;
    }
    if (words[0] == "help" || words[0] == "--help" || words[0] == "-h") {
        printUsage(out);
        return withOutputChecked(kDone, out, err);
    }
    const ParsedCommandLine parsed = parseCommandLine(words);
    if (!parsed.arguments) {
        err << parsed.error << '\n';
        return kBadInput;
    }
    CommandContext context{out, err, ProductState{}, programDirectory};
    return withOutputChecked(parsed.command->run(*parsed.arguments, context), out, err);
}

}  // namespace kw::cli
