#pragma once
// Several radios on one line, one after another, as a dealer programs a box of them:
// each serves a few sessions, then the line is silent while it is swapped for the next,
// which starts from the same fresh memory.

#include <chrono>
#include <functional>
#include <string>

#include "radio_line.h"

namespace kw::sim {

struct FleetOptions {
    int radios = 1;
    int sessionsPerRadio = 3;  // a safe write: backup read, write, verify read
    std::chrono::milliseconds gap{1500};
    // Called after each session and when a radio leaves, with its number (1, 2, ...).
    std::function<void(int radio, const RadioMemory&)> sessionEnded;
};

// Ends after the last radio's last session, or earlier as runRadioLine does.
[[nodiscard]] LineEnd runRadioFleet(PseudoTerminal& line, const RadioMemory& fresh, Fault fault,
                                    const LineOptions& options, const FleetOptions& fleet);

// "out.dat" -> "out-2.dat": where radio `radio` of a fleet is saved.
[[nodiscard]] std::string fleetSavePath(const std::string& path, int radio);

}  // namespace kw::sim
