#include "port_lines.h"

#include "link/programming_session.h"

namespace kw::cli {
namespace {

constexpr int kBarWidth = 30;
constexpr int kTenth = 10;

std::string_view stepText(SafeWriteStep step) {
    switch (step) {
        case SafeWriteStep::Backup:
            return "Backup";
        case SafeWriteStep::Write:
            return "Write";
        case SafeWriteStep::Verify:
            break;
    }
    return "Verify";
}

std::string activityText(PortActivity activity, int radio) {
    switch (activity) {
        case PortActivity::WaitingForRadio:
            return "waiting for a radio";
        case PortActivity::Writing:
            return radio > 0 ? "radio " + std::to_string(radio) : std::string("starting");
        case PortActivity::WaitingForUnplug:
            return "radio " + std::to_string(radio) + " done; waiting for it to be unplugged";
        case PortActivity::Done:
            break;
    }
    return "done";
}

}  // namespace

PortLines::PortLines(std::ostream& err, const std::vector<std::string>& ports, ProgressStyle style,
                     SafeWriteOptions options, bool numbered)
    : err_(err), style_(style), options_(std::move(options)), numbered_(numbered) {
    for (const std::string& name : ports) {
        ports_.push_back({name, "starting", -1});
    }
}

void PortLines::logTo(FleetLog& log, std::string model) {
    log_ = &log;
    model_ = std::move(model);
}

void PortLines::activity(std::size_t port, PortActivity activity, int radio) {
    // A plain write has one radio per port: its steps say it all.
    if (!numbered_) {
        return;
    }
    ports_[port].state = activityText(activity, radio);
    ports_[port].percent = -1;
    show(port);
}

void PortLines::beginStep(std::size_t port, SafeWriteStep step) {
    ports_[port].state = stepText(step);
    ports_[port].percent = 0;
    show(port);
}

void PortLines::setProgress(std::size_t port, int position) {
    const int percent = position * 100 / kProgressRange;
    Port& shown = ports_[port];
    const bool newTenth = percent / kTenth != shown.percent / kTenth;
    const bool changed = percent != shown.percent;
    shown.percent = percent;
    if ((style_ == ProgressStyle::Bar && changed) || (style_ == ProgressStyle::Lines && newTenth)) {
        show(port);
    }
}

void PortLines::radioFinished(const RadioReport& report) {
    if (log_ && !log_->append(report, ports_[report.port].name, model_)) {
        err_ << "The log could not be written.\n";
    }
    const bool failed = report.result.outcome != SafeWriteOutcome::Done;
    if (style_ == ProgressStyle::Quiet && !failed) {
        return;
    }
    clearBars();
    err_ << ports_[report.port].name << ": ";
    if (numbered_) {
        err_ << "radio " << report.radio << ": ";
    }
    err_ << radioReportText(report, options_) << '\n';
    redraw();
}

void PortLines::finish() {
    clearBars();
    err_ << std::flush;
}

void PortLines::show(std::size_t port) {
    if (style_ == ProgressStyle::Bar) {
        redraw();
    } else if (style_ == ProgressStyle::Lines) {
        const Port& shown = ports_[port];
        err_ << shown.name << ": " << shown.state;
        if (shown.percent >= 0) {
            err_ << ' ' << shown.percent << '%';
        }
        err_ << '\n' << std::flush;
    }
}

std::string PortLines::barLine(const Port& port) const {
    std::string line = port.name + "  " + port.state;
    if (port.percent >= 0) {
        const int filled = port.percent * kBarWidth / 100;
        line += " [" + std::string(static_cast<std::size_t>(filled), '#') +
                std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] " +
                std::to_string(port.percent) + "%";
    }
    return line;
}

// The bars are the last lines on the terminal: up over them, and each drawn again.
void PortLines::redraw() {
    if (style_ != ProgressStyle::Bar) {
        return;
    }
    if (barsShown_) {
        err_ << "\033[" << ports_.size() << "A";
    }
    for (const Port& port : ports_) {
        err_ << "\r\033[K" << barLine(port) << '\n';
    }
    err_ << std::flush;
    barsShown_ = true;
}

void PortLines::clearBars() {
    if (!barsShown_) {
        return;
    }
    err_ << "\033[" << ports_.size() << "A\033[J";
    barsShown_ = false;
}

}  // namespace kw::cli
