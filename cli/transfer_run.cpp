#include "transfer_run.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>

#include "exit_status.h"
#include "interrupt_watch.h"
#include "link/posix_serial_port.h"
#include "link/transfer_commands.h"
#include "session/transfer_summary.h"
#include "terminal_observer.h"
#include "trace_option.h"

namespace kw::cli {
namespace {

constexpr int kMaxRetries = 1000;

std::optional<int> retriesOf(const Arguments& arguments, std::ostream& err) {
    const std::string text = arguments.value(kRetryOption.name, "0");
    int retries = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), retries);
    if (error != std::errc{} || end != text.data() + text.size() || retries < 0 ||
        retries > kMaxRetries) {
        err << "--retry needs a whole number from 0 to " << kMaxRetries << ".\n";
        return std::nullopt;
    }
    return retries;
}

// A Write that stopped after some blocks left the radio half old, half new.
void warnIfPartlyWritten(TransferDirection direction, const TerminalObserver& observer,
                         std::ostream& err) {
    if (direction == TransferDirection::Write && observer.progressed()) {
        err << "The radio is partly written; write it again before use.\n";
    }
}

}  // namespace

std::optional<TransferTerminal> transferTerminalOf(const Arguments& arguments,
                                                   CommandContext& context) {
    const auto retries = retriesOf(arguments, context.err);
    if (!retries) {
        return std::nullopt;
    }
    const std::string portName = arguments.value(kPortOption.name);
    const auto ports = arguments.values(kPortOption.name);
    if (portName.empty() || std::find(ports.begin(), ports.end(), "") != ports.end()) {
        context.err << "Name the radio's port with --port (COM1-COM16 or a device path).\n";
        return std::nullopt;
    }
    const ProgressStyle style = arguments.has(kQuietOption.name) ? ProgressStyle::Quiet
                                : ::isatty(STDERR_FILENO)        ? ProgressStyle::Bar
                                                                 : ProgressStyle::Lines;
    const auto trace = traceOf(arguments, context);
    if (!trace) {
        return std::nullopt;
    }
    return TransferTerminal{*retries, portName, style, *trace};
}

std::unique_ptr<SerialPort> TransferTerminal::openablePort() const {
    return withTrace(std::make_unique<PosixSerialPort>(), trace);
}

int runTransfer(TransferDirection direction, DocumentSession& document, const Arguments& arguments,
                CommandContext& context) {
    const auto terminal = transferTerminalOf(arguments, context);
    if (!terminal) {
        return kBadInput;
    }
    TransferCommands commands;
    const bool offered =
        direction == TransferDirection::Read ? commands.onRead() : commands.onWrite(document);
    if (!offered || !commands.start()) {
        return kBadInput;
    }
    const ProgressStyle style = terminal->style;
    const auto started = std::chrono::steady_clock::now();
    InterruptWatch interrupts;
    TerminalObserver observer(context.err, interrupts, terminal->retries, STDIN_FILENO, style,
                              direction);
    const auto port = terminal->openablePort();
    ThreadSleeper sleeper;
    ProgrammingSession session(*port, observer, sleeper);
    const TransferResult result =
        commands.onTransfer(document, session, document.image(), terminal->portName);
    observer.finish();
    switch (result.outcome) {
        case TransferOutcome::Done:
            if (style != ProgressStyle::Quiet) {
                context.err << transferSummary(direction, document.image(),
                                               std::chrono::steady_clock::now() - started)
                            << '\n';
            }
            return kDone;
        case TransferOutcome::Cancelled:
            context.err << "Cancelled.\n";
            warnIfPartlyWritten(direction, observer, context.err);
            return kCancelled;
        case TransferOutcome::Failed:
            warnIfPartlyWritten(direction, observer, context.err);
            return interrupts.interrupted() || observer.cancelledByUser() ? kCancelled
                                                                          : kRadioFailure;
    }
    return kRadioFailure;
}

}  // namespace kw::cli
