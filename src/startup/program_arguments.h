#pragma once
// The desktop program's command line:
//   kwprog [--port DEVICE] [FILE.dat]
// --port (or --port=DEVICE) names the serial device for this run, a device path (made
// absolute against the current folder) or COM1-COM16; a document named there opens
// instead of a new one. "-Embedding" and "-Automation" (any case) mean another
// program started us: no start-up picture. "--" ends the options.

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kw {

struct ProgramArguments {
    std::optional<std::string> port;
    std::optional<std::string> document;
    bool splashAllowed = true;
    bool helpAsked = false;  // --help or -h: print the usage and end
};

struct [[nodiscard]] ProgramArgumentsResult {
    ProgramArguments arguments;
    std::string error;  // one line for the terminal when the command line is refused

    explicit operator bool() const { return error.empty(); }
};

inline constexpr std::string_view kProgramUsage = "usage: kwprog [--port DEVICE] [FILE.dat]\n";

// What --help prints: the usage, each option on a line and examples.
inline constexpr std::string_view kProgramHelp =
    "Usage: kwprog [--port DEVICE] [FILE.dat]\n"
    "The desktop program for KW-217V and KW-217U radios: read a radio, edit its channels\n"
    "and options, write it back, and keep documents as *.dat files.\n"
    "\n"
    "Options:\n"
    "  --port DEVICE             the cable's serial device for this run only: a device\n"
    "                            path or COM1-COM16 (Setup > Com Setup stores one)\n"
    "  -Embedding, -Automation   started by another program: no start-up picture\n"
    "  --                        ends the options; a FILE.dat beginning with - follows\n"
    "  -h, --help                print this help and end\n"
    "  --version                 print the name and version and end\n"
    "\n"
    "Examples:\n"
    "  kwprog\n"
    "  kwprog radio.dat\n"
    "  kwprog --port /dev/ttyUSB0 radio.dat\n";

// `arguments` without the program's own name; `currentFolder` is absolute.
ProgramArgumentsResult parseProgramArguments(std::span<const std::string> arguments,
                                             const std::string& currentFolder);

// The arguments to start the program again with: those it was given, less the --port
// option when the port it names no longer holds.
[[nodiscard]] std::vector<std::string> restartArguments(std::span<const std::string> arguments,
                                                        bool keepPort);

}  // namespace kw
