#include "session/parallel_writes.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <thread>

#include "link/radio_probe.h"

namespace kw {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kStopCheck{20};

// The shell, one call at a time whatever thread makes it.
class LockedShell {
  public:
    explicit LockedShell(ParallelWriteShell& shell) : shell_(shell) {}

    template <typename Call>
    void operator()(Call call) {
        const std::lock_guard lock(mutex_);
        call(shell_);
    }

  private:
    ParallelWriteShell& shell_;
    std::mutex mutex_;
};

// A port's safe write as nobody's questions answer it.
class PortObserver final : public SafeWriteObserver {
  public:
    PortObserver(std::size_t port, LockedShell& shell, const std::atomic<bool>& stop, int retries)
        : port_(port), shell_(shell), stop_(stop), retriesLeft_(retries) {}

    void setStatus(BuiltInText) override {}
    void setProgress(int position) override {
        shell_([&](ParallelWriteShell& shell) { shell.setProgress(port_, position); });
    }
    bool cancelRequested() override { return stop_; }
    RetryAnswer askRetry(MessageId) override {
        if (stop_ || retriesLeft_ == 0) {
            return RetryAnswer::Cancel;
        }
        --retriesLeft_;
        return RetryAnswer::Retry;
    }
    void showMessage(const TransferMessage&) override {}  // the report carries it
    void beginStep(SafeWriteStep step) override {
        shell_([&](ParallelWriteShell& shell) { shell.beginStep(port_, step); });
    }
    bool confirmChanges(const std::vector<ImageDifference>&) override { return true; }

  private:
    std::size_t port_;
    LockedShell& shell_;
    const std::atomic<bool>& stop_;
    int retriesLeft_;
};

// Radios in all, numbered as they are begun.
class RadioCounter {
  public:
    explicit RadioCounter(int count) : count_(count) {}

    std::optional<int> claim() {
        const int number = ++claimed_;
        if (count_ > 0 && number > count_) {
            return std::nullopt;
        }
        return number;
    }
    bool allBegun() const { return count_ > 0 && claimed_ >= count_; }

  private:
    int count_;
    std::atomic<int> claimed_{0};
};

class PortRun {
  public:
    PortRun(const ParallelWriteSetup& setup, std::size_t index, LockedShell& shell,
            const std::atomic<bool>& stop)
        : setup_(setup),
          index_(index),
          shell_(shell),
          stop_(stop),
          port_(withTrace(setup.makePort(), setup.trace,
                          setup.ports.size() > 1 ? setup.ports[index] : std::string())),
          sleeper_(setup.makeSleeper()) {}

    RadioReport write(int radio) {
        activity(PortActivity::Writing, radio);
        SafeWriteOptions options = setup_.options;
        options.ask = false;
        PortObserver observer(index_, shell_, stop_, setup_.retries);
        const auto started = Clock::now();
        RadioReport report{index_, radio, {}, {}};
        report.result = SafeWrite(*port_, observer, *sleeper_)
                            .run(setup_.image, name(), options, setup_.backups);
        report.took = Clock::now() - started;
        shell_([&](ParallelWriteShell& shell) { shell.radioFinished(report); });
        return report;
    }

    // Probes every interval until the radio's answer is `answered`; false at a stop or
    // once `giveUp` holds.
    bool waitUntil(bool answered, const std::function<bool()>& giveUp) {
        while (!stop_ && !giveUp()) {
            const RadioProbe probe = probeRadio(*port_, name(), *sleeper_);
            if ((probe.outcome == ProbeOutcome::Answered) == answered) {
                return true;
            }
            const auto next = Clock::now() + setup_.probeInterval;
            while (Clock::now() < next) {
                if (stop_ || giveUp()) {
                    return false;
                }
                std::this_thread::sleep_for(
                    std::min<Clock::duration>(kStopCheck, next - Clock::now()));
            }
        }
        return false;
    }

    void activity(PortActivity activity, int radio) {
        shell_([&](ParallelWriteShell& shell) { shell.activity(index_, activity, radio); });
    }

  private:
    const std::string& name() const { return setup_.ports[index_]; }

    const ParallelWriteSetup& setup_;
    std::size_t index_;
    LockedShell& shell_;
    const std::atomic<bool>& stop_;
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<Sleeper> sleeper_;
};

// Runs `work(port)` for every port on threads of their own, watching for a stop on this one.
void onEveryPort(const ParallelWriteSetup& setup, const StopRequested& stop,
                 std::atomic<bool>& stopping, const std::function<void(std::size_t)>& work) {
    std::atomic<std::size_t> running{setup.ports.size()};
    std::vector<std::jthread> threads;
    for (std::size_t index = 0; index < setup.ports.size(); ++index) {
        threads.emplace_back([&, index] {
            work(index);
            --running;
        });
    }
    while (running > 0) {
        if (stop && stop()) {
            stopping = true;
        }
        std::this_thread::sleep_for(kStopCheck);
    }
}

std::string secondsText(Clock::duration took) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f s", std::chrono::duration<double>(took).count());
    return text.data();
}

}  // namespace

std::vector<RadioReport> writeAllPorts(const ParallelWriteSetup& setup, ParallelWriteShell& shell,
                                       const StopRequested& stop) {
    LockedShell locked(shell);
    std::atomic<bool> stopping{false};
    std::vector<RadioReport> reports(setup.ports.size());
    onEveryPort(setup, stop, stopping, [&](std::size_t index) {
        PortRun run(setup, index, locked, stopping);
        reports[index] = run.write(static_cast<int>(index) + 1);
        run.activity(PortActivity::Done, 0);
    });
    return reports;
}

std::vector<RadioReport> runFleet(const ParallelWriteSetup& setup, int count,
                                  ParallelWriteShell& shell, const StopRequested& stop) {
    LockedShell locked(shell);
    std::atomic<bool> stopping{false};
    RadioCounter counter(count);
    std::mutex reportsMutex;
    std::vector<RadioReport> reports;
    const auto allBegun = [&counter] { return counter.allBegun(); };
    onEveryPort(setup, stop, stopping, [&](std::size_t index) {
        PortRun run(setup, index, locked, stopping);
        while (true) {
            run.activity(PortActivity::WaitingForRadio, 0);
            if (!run.waitUntil(true, allBegun)) {
                break;
            }
            const auto radio = counter.claim();
            if (!radio) {
                break;
            }
            RadioReport report = run.write(*radio);
            {
                const std::lock_guard lock(reportsMutex);
                reports.push_back(std::move(report));
            }
            run.activity(PortActivity::WaitingForUnplug, *radio);
            if (!run.waitUntil(false, allBegun)) {
                break;
            }
        }
        run.activity(PortActivity::Done, 0);
    });
    return reports;
}

namespace {

// A Write that stopped after some rows left the radio half old, half new.
bool partlyWritten(const SafeWriteResult& result) {
    return result.radioTouched && result.stoppedIn == SafeWriteStep::Write;
}

// " (backup NAME)", or nothing when no backup was saved.
std::string backupNote(const SafeWriteResult& result) {
    if (result.backupPath.empty()) {
        return {};
    }
    return " (backup " + std::filesystem::path(result.backupPath).filename().string() + ")";
}

std::string failureText(const SafeWriteResult& result) {
    if (!result.backupError.empty()) {
        return result.backupError;
    }
    if (!result.verifyDifferences.empty()) {
        return verifyFailedLine(result.verifyDifferences.size());
    }
    if (!result.message) {
        return "failed";
    }
    std::string text(messageText(*result.message, Language::English));
    if (!result.message->detail.empty()) {
        text += " " + result.message->detail;
    }
    return text;
}

}  // namespace

std::string radioResultText(const RadioReport& report) {
    const SafeWriteResult& result = report.result;
    switch (result.outcome) {
        case SafeWriteOutcome::Done:
            return "ok";
        case SafeWriteOutcome::Declined:
            return "declined";
        case SafeWriteOutcome::Cancelled:
            return partlyWritten(result) ? "cancelled; the radio is partly written" : "cancelled";
        case SafeWriteOutcome::Failed:
            break;
    }
    const std::string text = failureText(result);
    return partlyWritten(result) ? text + "; the radio is partly written" : text;
}

std::string radioReportText(const RadioReport& report, const SafeWriteOptions& options) {
    const std::string took = " in " + secondsText(report.took);
    if (report.result.outcome != SafeWriteOutcome::Done) {
        // The backup of a radio left half written is what puts it back.
        return radioResultText(report) +
               (partlyWritten(report.result) ? backupNote(report.result) : std::string()) + took;
    }
    const std::string text = options.dryRun   ? "not written (dry run)"
                             : options.verify ? "written and verified"
                                              : "written";
    return text + backupNote(report.result) + took;
}

}  // namespace kw
