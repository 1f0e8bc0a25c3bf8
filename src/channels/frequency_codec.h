#pragma once
// Frequencies: int32 counts of 10 Hz (145.125 MHz = 14,512,500), 0 meaning none. In a
// channel record four bytes of packed BCD, least significant pair first; shown as MHz
// with five decimals.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/product_state.h"
#include "res/messages.h"

namespace kw {

using FrequencyBytes = std::array<std::uint8_t, 4>;

// What the frequency editor accepts as Rx, inclusive, and the two channel rasters.
inline constexpr std::int32_t kLowestRx = 6'700'000;
inline constexpr std::int32_t kHighestRx = 60'000'000;
inline constexpr std::int32_t kRaster5kHz = 500;
inline constexpr std::int32_t kRaster6k25Hz = 625;
// Eight BCD digits hold values below this.
inline constexpr std::int32_t kStorableFrequencyLimit = 100'000'000;

// Absent when the most significant byte is 0xFF or 0x00.
[[nodiscard]] std::optional<std::int32_t> decodeFrequency(std::span<const std::uint8_t, 4> bytes);

// "%3.5f" of the value in MHz.
[[nodiscard]] std::string formatFrequency(std::int32_t value);

// An absent or unstorable value is written as FF FF FF FF.
[[nodiscard]] FrequencyBytes encodeFrequency(std::int32_t value);

// MHz to 10 Hz units exactly as the decimal conversion does it: the double rounded to 15
// significant digits, multiplied by 100000 without error, truncated toward zero. Empty
// when the result lies outside 0 ... 2^31-1.
[[nodiscard]] std::optional<std::int32_t> tenHertzUnits(double megahertz);

struct ParsedFrequency {
    std::string text;                   // "%3.5f" of the number read, as a cell holds it
    std::optional<std::int32_t> value;  // empty when outside 0 ... 2^31-1
};

// atof semantics: "abc" reads as 0, "145.1x" as 145.1.
[[nodiscard]] ParsedFrequency parseFrequency(std::string_view text);
// The value alone, as the grid commit stores a cell.
[[nodiscard]] std::optional<std::int32_t> frequencyValue(std::string_view text);

// Range (61447), raster (61454), band (61446), in this order; empty when accepted.
[[nodiscard]] std::optional<MessageId> validateRx(std::optional<std::int32_t> value,
                                                  const ProductState& product);

// The text a Tx cell receives for a committed `text`: out of band becomes the band's
// lower limit, and nothing at all while the row has no Rx. Never a message.
[[nodiscard]] std::string coerceTx(std::string_view text, std::string_view rxText,
                                   const ProductState& product);

// Bits 7 (Tx above Rx) and 6 (Tx below Rx) of the channel flag byte.
inline constexpr std::uint8_t kTxAboveRx = 0x80;
inline constexpr std::uint8_t kTxBelowRx = 0x40;
[[nodiscard]] std::uint8_t offsetDirection(std::string_view rxText, std::string_view txText);

}  // namespace kw
