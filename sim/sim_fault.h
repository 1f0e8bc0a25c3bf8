#pragma once
// The one fault a simulated radio can be told to show (--fault FAULT).

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kw::sim {

enum class FaultKind {
    None,
    Silent,              // answers nothing at all
    StrayByte,           // a junk byte before each wake-up ACK
    SilentSecondWakeUp,  // the second wake-up of a transfer gets no answer
    NakAt,               // the frame at `address` is refused
    ShortReplyAt,        // the frame at `address` gets a reply cut short
    GarbageAt,           // the frame at `address` gets junk instead of its answers
    DisconnectAt,        // the line is closed when `address` is reached
    DropWriteAt,         // the write frame at `address` is acknowledged but not kept
    Slow,                // every answer waits `delay`
};

struct Fault {
    FaultKind kind = FaultKind::None;
    std::uint16_t address = 0;
    std::chrono::milliseconds delay{0};
    int session = 0;  // the only session (1 the first) the fault shows in; 0: every session

    bool at(std::uint16_t frameAddress, FaultKind which) const {
        return kind == which && address == frameAddress;
    }
};

// "silent", "stray-byte", "silent-second-wakeup", "nak-at=ADDR", "short-reply-at=ADDR",
// "garbage-at=ADDR", "disconnect-at=ADDR", "drop-write-at=ADDR" (ADDR decimal or 0x-hex, below
// 0x1000), "slow=MS".
[[nodiscard]] std::optional<Fault> parseFault(std::string_view text);

}  // namespace kw::sim
