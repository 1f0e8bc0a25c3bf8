#pragma once
// The same document into many radios at once: one safe write per port, each on a thread
// of its own with its own port, backup and verify. As a fleet, each port goes on to the
// next radio plugged in: it wakes the line every half second until a radio answers,
// writes it, then waits for that radio to stop answering (it is being unplugged).
// Nobody is asked anything: a Retry question takes the given number of retries, then
// Cancel, and the changes are written without a question.

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/protocol_trace.h"
#include "link/sleeper.h"
#include "session/safe_write.h"

namespace kw {

struct ParallelWriteSetup {
    std::vector<std::string> ports;
    RadioImage image;  // written as it is
    SafeWriteOptions options;
    BackupPlace backups;
    int retries = 0;  // Retry answers to the Retry question before Cancel
    std::shared_ptr<ProtocolTrace> trace;
    // The serial port of each port's thread; the real one outside tests.
    std::function<std::unique_ptr<SerialPort>()> makePort;
    std::function<std::unique_ptr<Sleeper>()> makeSleeper;
    std::chrono::milliseconds probeInterval{500};
};

// One radio's safe write, as it ended.
struct RadioReport {
    std::size_t port = 0;  // index into the setup's ports
    int radio = 0;         // running number in the command: 1, 2, ...
    SafeWriteResult result;
    std::chrono::steady_clock::duration took{};
};

enum class PortActivity { WaitingForRadio, Writing, WaitingForUnplug, Done };

// What the ports tell their shell. The calls come from the ports' threads, one at a
// time, never two at once.
class ParallelWriteShell {
  public:
    virtual ~ParallelWriteShell() = default;
    virtual void activity(std::size_t port, PortActivity activity, int radio) = 0;
    virtual void beginStep(std::size_t port, SafeWriteStep step) = 0;
    virtual void setProgress(std::size_t port, int position) = 0;
    virtual void radioFinished(const RadioReport& report) = 0;
};

// Called on the calling thread every few milliseconds while the ports work; true asks
// them to stop: waiting ports stop at once, writing ones cancel as a cancel does.
using StopRequested = std::function<bool()>;

// One safe write on every port at once. The reports come in the order of the ports.
[[nodiscard]] std::vector<RadioReport> writeAllPorts(const ParallelWriteSetup& setup,
                                                     ParallelWriteShell& shell,
                                                     const StopRequested& stop);

// Radio after radio on every port until `count` radios in all have been begun (0: no
// limit) and have ended, or until a stop. The reports come in the order they ended.
[[nodiscard]] std::vector<RadioReport> runFleet(const ParallelWriteSetup& setup, int count,
                                                ParallelWriteShell& shell,
                                                const StopRequested& stop);

// "written and verified (backup KW-217V-20261208-143501.dat) in 28.4 s", or what went wrong.
[[nodiscard]] std::string radioReportText(const RadioReport& report,
                                          const SafeWriteOptions& options);
// "ok", or what went wrong: the fleet log's result.
[[nodiscard]] std::string radioResultText(const RadioReport& report);

}  // namespace kw
