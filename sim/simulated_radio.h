#pragma once
// The radio's side of the programming conversation, byte in, bytes out. Timing (baud
// rate, turnaround, the slow fault) is the line's business, not this class's.

#include <chrono>
#include <cstdint>
#include <vector>

#include "radio_memory.h"
#include "sim_fault.h"

namespace kw::sim {

struct Reaction {
    std::vector<std::uint8_t> reply;
    bool disconnect = false;    // close the line now
    bool sessionEnded = false;  // the transfer is complete; the radio left programming mode
};

class SimulatedRadio {
  public:
    SimulatedRadio(const RadioMemory& memory, Fault fault) : memory_(memory), fault_(fault) {}

    [[nodiscard]] Reaction receive(std::uint8_t byte);
    // The line has been quiet too long for a transfer in progress: back to normal use.
    // Returns whether a session was running.
    bool lineIdle();

    bool inSession() const { return mode_ != Mode::Idle; }
    // The wait the slow fault adds to each answer in the session under way.
    std::chrono::milliseconds extraAnswerDelay() const;
    const RadioMemory& memory() const { return memory_; }

  private:
    enum class Mode { Idle, Programming };

    Reaction wakeUpComplete();
    Reaction command(std::uint8_t byte);
    Reaction readFrame(std::uint16_t address);
    Reaction writeFrame(std::uint16_t address);
    Reaction acknowledge();
    Reaction endSession(Reaction reaction);
    // The fault of the session under way (or about to start): none outside its session.
    const Fault& fault() const;

    RadioMemory memory_;
    Fault fault_;
    Mode mode_ = Mode::Idle;
    std::size_t wakeUpMatched_ = 0;
    int wakeUps_ = 0;
    int sessionsStarted_ = 0;
    std::vector<std::uint8_t> pending_;  // the command being received
    std::optional<std::uint8_t> nextAckAnswer_;
    bool endAfterAck_ = false;
};

}  // namespace kw::sim
