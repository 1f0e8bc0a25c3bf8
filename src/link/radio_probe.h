#pragma once
// One wake-up to see whether a radio is on the line, as a transfer begins but with
// nothing read from or written to its memory.

#include <string>

#include "link/cable_doctor.h"
#include "link/serial_port.h"
#include "link/sleeper.h"

namespace kw {

// The wake-up bytes one at a time, each after a short pause, as every transfer starts.
void sendWakeUp(SerialPort& port, Sleeper& sleeper);

enum class ProbeOutcome { Answered, Silent, CannotOpen };

struct [[nodiscard]] RadioProbe {
    ProbeOutcome outcome = ProbeOutcome::Silent;
    PortOpenResult opened;  // why the port could not be opened
};

// Opens the port, wakes the radio and closes the port again.
RadioProbe probeRadio(SerialPort& port, const std::string& portName, Sleeper& sleeper);

// The cable doctor's line on a probe of `portName`.
[[nodiscard]] CheckLine radioAnswerCheck(const RadioProbe& probe, const std::string& portName);

}  // namespace kw
