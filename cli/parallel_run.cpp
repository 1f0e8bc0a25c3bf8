#include "parallel_run.h"

#include <algorithm>
#include <charconv>

#include "base/file_stamp.h"
#include "document_report.h"
#include "exit_status.h"
#include "interrupt_watch.h"
#include "link/posix_serial_port.h"
#include "link/transfer_commands.h"
#include "model/image_layout.h"
#include "model/model_table.h"
#include "output_target.h"
#include "port_lines.h"
#include "safe_write_run.h"
#include "session/fleet_log.h"
#include "transfer_run.h"

namespace kw::cli {
namespace {

constexpr int kMaxCount = 1'000'000;

struct ParallelRun {
    ParallelWriteSetup setup;
    ProgressStyle style;
};

std::optional<ParallelRun> parallelRunOf(const RadioImage& image, const Arguments& arguments,
                                         CommandContext& context) {
    const auto terminal = transferTerminalOf(arguments, context);
    if (!terminal) {
        return std::nullopt;
    }
    ParallelWriteSetup setup;
    setup.ports = arguments.values(kPortsOption.name);
    for (auto port = setup.ports.begin(); port != setup.ports.end(); ++port) {
        // Two writes on one line would answer each other's radio, by any of its names.
        const bool twice = std::any_of(setup.ports.begin(), port, [&](const std::string& before) {
            return before == *port || sameFile(before, *port);
        });
        if (twice) {
            context.err << "--port " << *port << " is given twice.\n";
            return std::nullopt;
        }
    }
    setup.image = image;
    setup.options = safeWriteOptionsOf(arguments);
    setup.backups = userBackupPlaceOf(arguments, context);
    setup.retries = terminal->retries;
    setup.trace = terminal->trace;
    setup.makePort = [] { return std::make_unique<PosixSerialPort>(); };
    setup.makeSleeper = [] { return std::make_unique<ThreadSleeper>(); };
    return ParallelRun{std::move(setup), terminal->style};
}

int statusOf(const std::vector<RadioReport>& reports) {
    const auto ended = [&](SafeWriteOutcome outcome) {
        return std::any_of(reports.begin(), reports.end(), [&](const RadioReport& report) {
            return report.result.outcome == outcome;
        });
    };
    if (ended(SafeWriteOutcome::Failed)) {
        return kRadioFailure;
    }
    return ended(SafeWriteOutcome::Cancelled) || ended(SafeWriteOutcome::Declined) ? kCancelled
                                                                                   : kDone;
}

// "Failed: COM2, COM5" when any port failed.
void listFailedPorts(const std::vector<RadioReport>& reports, const std::vector<std::string>& ports,
                     std::ostream& err) {
    std::string failed;
    for (const RadioReport& report : reports) {
        if (report.result.outcome != SafeWriteOutcome::Done) {
            failed += (failed.empty() ? "" : ", ") + ports[report.port];
        }
    }
    if (!failed.empty()) {
        err << "Failed: " << failed << '\n';
    }
}

std::optional<int> countOf(const Arguments& arguments, std::ostream& err) {
    const std::string text = arguments.value("count", "0");
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc{} || end != text.data() + text.size() || count < 0 ||
        count > kMaxCount) {
        err << "--count needs a whole number from 0 to " << kMaxCount << ".\n";
        return std::nullopt;
    }
    return count;
}

std::string modelOf(const RadioImage& image) {
    const auto model = modelIndexOfType(image[kModelType]);
    return model ? std::string(kRadioModels[static_cast<std::size_t>(*model)].text) : std::string();
}

}  // namespace

std::optional<RadioImage> imageToWrite(const std::string& path, CommandContext& context) {
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, path, context)) {
        return std::nullopt;
    }
    TransferCommands commands;
    if (!commands.onWrite(document) || !commands.start()) {
        return std::nullopt;
    }
    return commands.beginTransfer(document, document.image());
}

int runParallelWrite(const RadioImage& image, const Arguments& arguments, CommandContext& context) {
    const auto run = parallelRunOf(image, arguments, context);
    if (!run) {
        return kBadInput;
    }
    InterruptWatch interrupts;  // before the ports' threads, which inherit its signal mask
    PortLines lines(context.err, run->setup.ports, run->style, run->setup.options, false);
    const std::vector<RadioReport> reports =
        writeAllPorts(run->setup, lines, [&] { return interrupts.interrupted(); });
    lines.finish();
    listFailedPorts(reports, run->setup.ports, context.err);
    return statusOf(reports);
}

namespace {

// A port that can never be a radio's line (no such device, not a serial line, not this
// user's) would have the fleet wait for a radio for ever. A busy one may be free soon
// (ModemManager looks at new adapters for a while), so it is waited on like a silent one.
bool everyPortOpens(const ParallelWriteSetup& setup, std::ostream& err) {
    bool all = true;
    for (const std::string& name : setup.ports) {
        const auto port = setup.makePort();
        const PortOpenResult opened = port->open(name);
        if (opened) {
            port->close();
        } else if (opened.problem != PortOpenProblem::Busy) {
            err << opened.detail << '\n';
            all = false;
        }
    }
    return all;
}

}  // namespace

int runFleetWrite(const RadioImage& image, const Arguments& arguments, CommandContext& context) {
    const auto count = countOf(arguments, context.err);
    auto run = count ? parallelRunOf(image, arguments, context) : std::nullopt;
    if (!run) {
        return kBadInput;
    }
    const std::string logPath = arguments.value("log");
    if (arguments.has("log") && isAnotherFileOfTheCommand(logPath, "log", arguments, context)) {
        return kBadInput;
    }
    if (!everyPortOpens(run->setup, context.err)) {
        return kRadioFailure;
    }
    std::unique_ptr<FleetLog> log;
    if (arguments.has("log")) {
        std::string error;
        log = FleetLog::open(logPath, error);
        if (!log) {
            context.err << error << '\n';
            return kBadInput;
        }
    }
    InterruptWatch interrupts;
    PortLines lines(context.err, run->setup.ports, run->style, run->setup.options, true);
    if (log) {
        lines.logTo(*log, modelOf(image));
    }
    const std::vector<RadioReport> reports =
        runFleet(run->setup, *count, lines, [&] { return interrupts.interrupted(); });
    lines.finish();
    const auto failed = std::count_if(reports.begin(), reports.end(), [](const RadioReport& r) {
        return r.result.outcome != SafeWriteOutcome::Done;
    });
    if (run->style != ProgressStyle::Quiet) {
        context.err << reports.size() << (reports.size() == 1 ? " radio, " : " radios, ") << failed
                    << " not written.\n";
    }
    return statusOf(reports);
}

}  // namespace kw::cli
