#include "startup/program_arguments.h"

#include <array>

#include "base/arguments.h"
#include "link/port_names.h"

namespace kw {
namespace {

constexpr std::string_view kPortOption = "--port";
constexpr std::string_view kPortOptionWithValue = "--port=";
constexpr std::string_view kEndOfOptions = "--";

constexpr std::array<Option, 5> kOptions{{
    {"port"},
    {"help", false, true},
    {"h", false, true, OptionForm::SingleDash},
    {"Embedding", false, true, OptionForm::SingleDashAnyCase},
    {"Automation", false, true, OptionForm::SingleDashAnyCase},
}};
constexpr ArgumentGrammar kGrammar{kOptions, 1};

constexpr std::string_view kComPrefix = "COM";

std::string portProblem(const std::string& port) {
    if (port.empty()) {
        return "kwprog: --port needs a device path, such as /dev/ttyUSB0.";
    }
    if (port.starts_with(kComPrefix) && !portNumberOf(port)) {
        return "kwprog: --port takes a device path or a port COM1-COM16, not \"" + port + "\".";
    }
    return {};
}

std::string refusalMessage(const ArgumentRefusal& refusal, const Arguments& before) {
    switch (refusal.fault) {
        case ArgumentFault::RepeatedOption:
            return "kwprog: " + refusal.option + " is given twice.";
        case ArgumentFault::MissingValue:
            return portProblem({});
        case ArgumentFault::ExtraPositional:
            return "kwprog: one document at a time; \"" + refusal.word + "\" comes after \"" +
                   before.positionals().front() + "\".";
        case ArgumentFault::UnknownOption:
        case ArgumentFault::UnwantedValue:
            break;
    }
    return "kwprog: unknown option \"" + refusal.word + "\".";
}

// The device layer opens absolute paths and port names only.
std::string absolutePort(const std::string& port, const std::string& currentFolder) {
    if (port.starts_with('/') || port.starts_with(kComPrefix)) {
        return port;
    }
    return currentFolder + (currentFolder.ends_with('/') ? "" : "/") + port;
}

}  // namespace

ProgramArgumentsResult parseProgramArguments(std::span<const std::string> arguments,
                                             const std::string& currentFolder) {
    const ParsedArguments parsed = parseArguments(arguments, kGrammar);
    const Arguments& given = parsed.arguments;
    ProgramArgumentsResult result;
    // The port came before any refused word, so its problem is the one to tell.
    if (given.has("port")) {
        const std::string port = given.value("port");
        result.error = portProblem(port);
        result.arguments.port = absolutePort(port, currentFolder);
    }
    if (result.error.empty() && parsed.refusal) {
        result.error = refusalMessage(*parsed.refusal, given);
    }
    if (!given.positionals().empty()) {
        result.arguments.document = given.positionals().front();
    }
    result.arguments.splashAllowed = !given.has("Embedding") && !given.has("Automation");
    result.arguments.helpAsked = given.has("help") || given.has("h");
    return result;
}

std::vector<std::string> restartArguments(std::span<const std::string> arguments, bool keepPort) {
    std::vector<std::string> result;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!keepPort && !optionsEnded) {
            if (argument == kPortOption) {
                ++i;  // and its value
                continue;
            }
            if (argument.starts_with(kPortOptionWithValue)) {
                continue;
            }
        }
        optionsEnded = optionsEnded || argument == kEndOfOptions;
        result.push_back(argument);
    }
    return result;
}

}  // namespace kw
