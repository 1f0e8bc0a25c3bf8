#pragma once
// What read and write share: the --port and --retry options, the session on the real
// serial port with the terminal as its user, and the exit status of the outcome.

#include <array>
#include <optional>
#include <string>

#include "command.h"
#include "link/programming_session.h"
#include "link/protocol_trace.h"
#include "session/document_session.h"
#include "terminal_observer.h"

namespace kw::cli {

inline constexpr Option kPortOption{"port"};
inline constexpr Option kRetryOption{"retry"};
inline constexpr Option kQuietOption{"quiet", false};
inline constexpr OptionHelp kQuietHelp{"--quiet", "print only errors and warnings"};
inline constexpr OptionHelp kPortHelp{"--port PORT",
                                      "the radio's port: COM1-COM16 or a device path"};
inline constexpr OptionHelp kRetryHelp{"--retry N",
                                       "retry a failed frame up to N times (0-1000, default 0)"};

// What every transfer on the command line takes from its options.
struct TransferTerminal {
    int retries = 0;
    std::string portName;
    ProgressStyle style = ProgressStyle::Bar;
    std::shared_ptr<ProtocolTrace> trace;  // --trace's, or none

    // The real serial port, recorded into the trace when there is one.
    [[nodiscard]] std::unique_ptr<SerialPort> openablePort() const;
};

// --retry, --port, --quiet and --trace, with the reason on the error stream when they are refused.
[[nodiscard]] std::optional<TransferTerminal> transferTerminalOf(const Arguments& arguments,
                                                                 CommandContext& context);

// Runs the Process window's Start on `document`: grid commit, the whole session and,
// after a Read, the refill. Returns the exit status; reports on the error stream.
[[nodiscard]] int runTransfer(TransferDirection direction, DocumentSession& document,
                              const Arguments& arguments, CommandContext& context);

}  // namespace kw::cli
