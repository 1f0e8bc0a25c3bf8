#include "radio_read.h"

#include <unistd.h>

#include "exit_status.h"
#include "features/password_text.h"
#include "interrupt_watch.h"
#include "session/safe_write.h"
#include "transfer_run.h"

namespace kw::cli {

bool passwordOption(const Arguments& arguments, CommandContext& context,
                    std::optional<std::string>& password) {
    if (!arguments.has(kPasswordOption.name)) {
        return true;
    }
    const std::string digits = arguments.value(kPasswordOption.name);
    if (!isValidPassword(digits)) {
        context.err << "--password takes up to 6 digits, not \"" << digits << "\".\n";
        return false;
    }
    password = digits;
    return true;
}

int readRadioMemory(const RadioImage& passwordFrom, RadioImage& memory, const Arguments& arguments,
                    CommandContext& context) {
    const auto setup = transferTerminalOf(arguments, context);
    if (!setup) {
        return kBadInput;
    }
    std::optional<std::string> password;
    if (!passwordOption(arguments, context, password)) {
        return kBadInput;
    }
    RadioImage expected = passwordFrom;
    if (password) {
        writePassword(expected, *password);
    }
    InterruptWatch interrupts;
    TerminalObserver observer(context.err, interrupts, setup->retries, STDIN_FILENO, setup->style);
    const auto port = setup->openablePort();
    ThreadSleeper sleeper;
    ProgrammingSession session(*port, observer, sleeper);
    const TransferResult result = kw::readRadioMemory(session, expected, memory, setup->portName);
    observer.finish();
    switch (result.outcome) {
        case TransferOutcome::Done:
            return kDone;
        case TransferOutcome::Cancelled:
            context.err << "Cancelled.\n";
            return kCancelled;
        case TransferOutcome::Failed:
            break;
    }
    return interrupts.interrupted() || observer.cancelledByUser() ? kCancelled : kRadioFailure;
}

}  // namespace kw::cli
