#include "cli.h"

#include <algorithm>

#include "command_help.h"
#include "commands.h"
#include "exit_status.h"
#include "platform/program_directory.h"

namespace kw::cli {
namespace {

// Output that never arrived is a failure, whatever the command itself made of its work:
// also a 1, which diff gives as a result ("they differ") its lines were to show.
int withOutputChecked(int status, std::ostream& out, std::ostream& err) {
    if (out.flush()) {
        return status;
    }
    err << "Could not write to standard output.\n";
    return status == kDone || status == kRefused ? kBadInput : status;
}

const Command* commandNamed(std::string_view name) {
    const auto commands = allCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const Command* c) { return c->name == name; });
    return found == commands.end() ? nullptr : *found;
}

std::string unknownCommand(const std::string& name) {
    return "Unknown command \"" + name + "\"; \"kwprog-cli help\" lists them.";
}

bool isHelpWord(std::string_view word) {
    return word == "help" || word == "--help" || word == "-h";
}

}  // namespace

ParsedCommandLine parseCommandLine(std::span<const std::string> words) {
    ParsedCommandLine parsed;
    parsed.command = commandNamed(words[0]);
    if (!parsed.command) {
        parsed.error = unknownCommand(words[0]);
        return parsed;
    }
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
    if (isHelpWord(words[0])) {
        const Command* command = words.size() == 2 ? commandNamed(words[1]) : nullptr;
        if (words.size() == 2 && !command) {
            err << unknownCommand(words[1]) << '\n';
            return kBadInput;
        }
        command ? printCommandHelp(*command, out) : printUsage(out);
        return withOutputChecked(kDone, out, err);
    }
    if (const Command* command = commandNamed(words[0]);
        command && std::find(words.begin() + 1, words.end(), "--help") != words.end()) {
        printCommandHelp(*command, out);
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
