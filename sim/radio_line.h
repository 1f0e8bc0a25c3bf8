#pragma once
// Runs a simulated radio on a pseudo-terminal with the timing of a real line: every byte
// takes 10 bit times in either direction, and answers wait out the turnaround.

#include <chrono>
#include <functional>

#include "pseudo_terminal.h"
#include "simulated_radio.h"

namespace kw::sim {

struct LineOptions {
    int baud = 0;  // 0: bytes take no time
    std::chrono::milliseconds turnaround{0};
    int sessions = 0;  // stop after this many sessions; 0: never
    int stopFd = -1;   // the run ends when this descriptor becomes readable
    std::function<void(const RadioMemory&)> sessionEnded;
};

enum class LineEnd { Stopped, SessionsDone, Disconnected, LineError };

// A transfer that pauses this long has been given up by the program.
inline constexpr std::chrono::milliseconds kSessionIdleLimit{2000};

[[nodiscard]] LineEnd runRadioLine(PseudoTerminal& line, SimulatedRadio& radio,
                                   const LineOptions& options);

}  // namespace kw::sim
