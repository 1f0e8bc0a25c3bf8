#include "sim_fault.h"

#include <array>
#include <charconv>

#include "model/radio_address.h"

namespace kw::sim {
namespace {

struct FaultName {
    std::string_view name;
    FaultKind kind;
};

constexpr std::array<FaultName, 3> kPlainFaults{{
    {"silent", FaultKind::Silent},
    {"stray-byte", FaultKind::StrayByte},
    {"silent-second-wakeup", FaultKind::SilentSecondWakeUp},
}};

constexpr std::array<FaultName, 5> kAddressFaults{{
    {"nak-at", FaultKind::NakAt},
    {"short-reply-at", FaultKind::ShortReplyAt},
    {"garbage-at", FaultKind::GarbageAt},
    {"disconnect-at", FaultKind::DisconnectAt},
    {"drop-write-at", FaultKind::DropWriteAt},
}};

std::optional<unsigned long> parseNumber(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

constexpr unsigned long kMaxSlowMs = 60000;

}  // namespace

std::optional<Fault> parseFault(std::string_view text) {
    for (const FaultName& plain : kPlainFaults) {
        if (text == plain.name) {
            return Fault{plain.kind, 0, {}};
        }
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view name = text.substr(0, equals);
    const auto number = parseNumber(text.substr(equals + 1));
    if (!number) {
        return std::nullopt;
    }
    if (name == "slow" && *number <= kMaxSlowMs) {
        return Fault{FaultKind::Slow, 0, std::chrono::milliseconds(*number)};
    }
    for (const FaultName& addressed : kAddressFaults) {
        if (name == addressed.name && *number < kRadioMemoryEnd) {
            return Fault{addressed.kind, static_cast<std::uint16_t>(*number), {}};
        }
    }
    return std::nullopt;
}

}  // namespace kw::sim
