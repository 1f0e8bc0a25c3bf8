#pragma once
// Band bytes d e f d e f: the band limits in whole MHz as packed decimal digits.

#include <array>
#include <cstdint>

namespace kw {

using BandBytes = std::array<std::uint8_t, 6>;

struct BandLimits {
    int lowerMhz = 0;
    int upperMhz = 0;
    friend bool operator==(const BandLimits&, const BandLimits&) = default;
};

inline constexpr int kMaxBandMhz = 999;               // three decimal digits per limit
inline constexpr std::int32_t kUnitsPerMhz = 100000;  // frequencies count 10 Hz units

// A limit outside 0-999 MHz cannot be written as digits; such a band is written as no
// band (all zero) rather than as wrapped digits.
[[nodiscard]] BandBytes encodeBand(BandLimits limits);

// Decodes the first half. A nibble above 9 is not a digit: the band then reads as 0-0.
[[nodiscard]] BandLimits decodeBand(const BandBytes& bytes);

// Six 0xFF (erased) or six 0x00 bytes mean no band stored and normalise to six 0x00.
[[nodiscard]] BandBytes normalisedBand(const BandBytes& bytes);

[[nodiscard]] constexpr bool halvesEqual(const BandBytes& bytes) {
    return bytes[0] == bytes[3] && bytes[1] == bytes[4] && bytes[2] == bytes[5];
}

}  // namespace kw
