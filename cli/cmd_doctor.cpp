#include <array>

#include "commands.h"
#include "exit_status.h"
#include "link/cable_doctor.h"
#include "link/posix_serial_port.h"
#include "link/radio_probe.h"
#include "trace_option.h"
#include "transfer_run.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 2> kOptions{{kPortOption, kTraceOption}};

// The checks of the machine, then with --port one wake-up, unless something already
// stops the port.
int runDoctor(const Arguments& arguments, CommandContext& context) {
    const auto trace = traceOf(arguments, context);
    if (!trace) {
        return kBadInput;
    }
    std::optional<std::string> portName;
    if (arguments.has(kPortOption.name)) {
        portName = arguments.value(kPortOption.name);
    }
    std::vector<CheckLine> lines = cableChecks(SystemView::current(), portName);
    if (portName && !anyProblem(lines)) {
        const auto port = withTrace(std::make_unique<PosixSerialPort>(), *trace);
        ThreadSleeper sleeper;
        lines.push_back(radioAnswerCheck(probeRadio(*port, *portName, sleeper), *portName));
    }
    for (const CheckLine& line : lines) {
        context.out << checkLineText(line) << '\n';
    }
    return anyProblem(lines) ? kRadioFailure : kDone;
}

}  // namespace

constexpr std::array<OptionHelp, 2> kHelp{
    {{"--port PORT", "also check this port and whether a radio answers on it"}, kTraceHelp}};
constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli doctor",
                                                    "kwprog-cli doctor --port /dev/ttyUSB0"};

const Command kDoctorCommand{
    "doctor",
    "[--port PORT] [--trace FILE]",
    kOptions,
    0,
    0,
    runDoctor,
    {"Checks what stands between you and the cable: one line per check, beginning with ok:, "
     "problem: or note:.",
     kHelp, kExamples,
     "Exits 0 when there is no problem, 3 otherwise. A problem is what stops the port from "
     "working (or, without --port, no serial device at all); a problem's line ends with what "
     "to do."}};

}  // namespace kw::cli
