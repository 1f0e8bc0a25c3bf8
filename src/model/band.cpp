#include "model/band.h"

#include <algorithm>

namespace kw {
namespace {

bool isDigitByte(std::uint8_t byte) {
    return (byte >> 4) <= 9 && (byte & 0x0F) <= 9;
}

}  // namespace

BandBytes encodeBand(BandLimits limits) {
    const auto fits = [](int mhz) { return mhz >= 0 && mhz <= kMaxBandMhz; };
    if (!fits(limits.lowerMhz) || !fits(limits.upperMhz)) {
        return BandBytes{};
    }
    const int l = limits.lowerMhz;
    const int h = limits.upperMhz;
    const auto d = static_cast<std::uint8_t>((l / 100) * 16 + (l / 10) % 10);
    const auto e = static_cast<std::uint8_t>((h / 100) * 16 + (h / 10) % 10);
    const auto f = static_cast<std::uint8_t>((l % 10) * 16 + h % 10);
    return {d, e, f, d, e, f};
}

BandLimits decodeBand(const BandBytes& bytes) {
    const std::uint8_t d = bytes[0];
    const std::uint8_t e = bytes[1];
    const std::uint8_t f = bytes[2];
    if (!isDigitByte(d) || !isDigitByte(e) || !isDigitByte(f)) {
        return {};
    }
    return {(d >> 4) * 100 + (d & 0x0F) * 10 + (f >> 4),
            (e >> 4) * 100 + (e & 0x0F) * 10 + (f & 0x0F)};
}

BandBytes normalisedBand(const BandBytes& bytes) {
    const auto all = [&](std::uint8_t value) {
        return std::all_of(bytes.begin(), bytes.end(), [&](std::uint8_t b) { return b == value; });
    };
    return all(0xFF) ? BandBytes{} : bytes;
}

}  // namespace kw
