#pragma once
// Several ports' progress on the error stream: on a terminal one bar per port, redrawn in
// place; otherwise a plain line at each tenth of a step. A port's line as each radio ends
// goes above the bars.

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "session/fleet_log.h"
#include "session/parallel_writes.h"
#include "terminal_observer.h"

namespace kw::cli {

class PortLines final : public ParallelWriteShell {
  public:
    // `numbered`: the lines name each radio's running number (a fleet).
    PortLines(std::ostream& err, const std::vector<std::string>& ports, ProgressStyle style,
              SafeWriteOptions options, bool numbered);

    // Each radio's line goes into `log` as well.
    void logTo(FleetLog& log, std::string model);

    void activity(std::size_t port, PortActivity activity, int radio) override;
    void beginStep(std::size_t port, SafeWriteStep step) override;
    void setProgress(std::size_t port, int position) override;
    void radioFinished(const RadioReport& report) override;

    // Clears the bars before the closing lines.
    void finish();

  private:
    struct Port {
        std::string name;
        std::string state;  // "Write", "waiting for a radio", ...
        int percent = -1;   // of the step; -1 while none runs
    };

    void show(std::size_t port);
    void redraw();
    void clearBars();
    std::string barLine(const Port& port) const;

    std::ostream& err_;
    std::vector<Port> ports_;
    ProgressStyle style_;
    SafeWriteOptions options_;
    bool numbered_;
    FleetLog* log_ = nullptr;
    std::string model_;
    bool barsShown_ = false;
};

}  // namespace kw::cli
