#include "platform/program_arguments.h"

#include <algorithm>
#include <cctype>

#include "link/port_names.h"

namespace kw {
namespace {

constexpr std::string_view kPortOption = "--port";
constexpr std::string_view kPortOptionWithValue = "--port=";
constexpr std::string_view kEndOfOptions = "--";

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool isEmbeddingSwitch(std::string_view argument) {
    return equalsIgnoringCase(argument, "-Embedding") ||
           equalsIgnoringCase(argument, "-Automation");
}

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
    ProgramArgumentsResult result;
    ProgramArguments& parsed = result.arguments;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size() && result; ++i) {
        const std::string& argument = arguments[i];
        const bool isOption = !optionsEnded && argument.starts_with('-') && argument != "-";
        if (!isOption) {
            if (parsed.document) {
                result.error = "kwprog: one document at a time; \"" + argument +
                               "\" comes after \"" + *parsed.document + "\".";
            } else {
                parsed.document = argument;
            }
        } else if (argument == kEndOfOptions) {
            optionsEnded = true;
        } else if (argument == kPortOption || argument.starts_with(kPortOptionWithValue)) {
            const bool separate = argument == kPortOption;
            const std::string port = separate ? (i + 1 < arguments.size() ? arguments[++i] : "")
                                              : argument.substr(kPortOptionWithValue.size());
            result.error = parsed.port ? "kwprog: --port is given twice." : portProblem(port);
            parsed.port = absolutePort(port, currentFolder);
        } else if (isEmbeddingSwitch(argument)) {
            parsed.splashAllowed = false;
        } else if (argument == "--help" || argument == "-h") {
            parsed.helpAsked = true;
        } else {
            result.error = "kwprog: unknown option \"" + argument + "\".";
        }
    }
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
