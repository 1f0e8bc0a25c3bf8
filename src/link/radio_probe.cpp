#include "link/radio_probe.h"

#include "link/protocol.h"

namespace kw {
namespace {

constexpr std::chrono::milliseconds kWakeUpByteGap{2};

bool readAck(SerialPort& port) {
    std::uint8_t byte = 0;
    return port.read(std::span(&byte, 1)).count == 1 && byte == protocol::kAck;
}

}  // namespace

void sendWakeUp(SerialPort& port, Sleeper& sleeper) {
    for (const std::uint8_t byte : protocol::kWakeUp) {
        sleeper.sleepFor(kWakeUpByteGap);
        port.purge(PurgeMode::Clear);
        (void)port.write(std::span(&byte, 1));
    }
}

RadioProbe probeRadio(SerialPort& port, const std::string& portName, Sleeper& sleeper) {
    RadioProbe probe;
    probe.opened = port.open(portName);
    if (!probe.opened) {
        probe.outcome = ProbeOutcome::CannotOpen;
        return probe;
    }
    port.purge(PurgeMode::AbortAndClear);
    sendWakeUp(port, sleeper);
    // A stray byte before the ACK is tolerated, as in a transfer.
    probe.outcome = readAck(port) || readAck(port) ? ProbeOutcome::Answered : ProbeOutcome::Silent;
    port.close();
    return probe;
}

CheckLine radioAnswerCheck(const RadioProbe& probe, const std::string& portName) {
    switch (probe.outcome) {
        case ProbeOutcome::Answered:
            return {CheckVerdict::Ok, "a radio answers the wake-up on " + portName + "."};
        case ProbeOutcome::Silent:
            return {CheckVerdict::Problem,
                    "no radio answers the wake-up on " + portName +
                        ": switch the radio on, push the plug fully into its socket, and check "
                        "that this is the cable's port."};
        case ProbeOutcome::CannotOpen:
            break;
    }
    return {CheckVerdict::Problem, "cannot open " + portName + ": " + probe.opened.detail};
}

}  // namespace kw
