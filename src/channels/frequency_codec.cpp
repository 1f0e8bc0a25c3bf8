#include "channels/frequency_codec.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "channels/c_number.h"

namespace kw {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kDecimalsPerUnit = 5;  // 10 Hz is 0.00001 MHz
constexpr std::int64_t kMaxValue = std::numeric_limits<std::int32_t>::max();

int pairValue(std::uint8_t byte) {
    return (byte >> 4) * 10 + (byte & 0x0F);
}

// Same digits as printf("%3.5f"): both round the double's exact value correctly.
std::string formatMegahertz(double megahertz) {
    std::array<char, 400> buffer;  // the widest double with five decimals
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), megahertz,
                                   std::chars_format::fixed, kDecimalsPerUnit)
                         .ptr;
    return std::string(buffer.data(), end);
}

}  // namespace

std::optional<std::int32_t> decodeFrequency(std::span<const std::uint8_t, 4> bytes) {
    if (bytes[3] == 0xFF || bytes[3] == 0x00) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value * 100 + pairValue(bytes[static_cast<std::size_t>(i)]);
    }
    return value;
}

std::string formatFrequency(std::int32_t value) {
    return formatMegahertz(value * 1.0 / kUnitsPerMhz);
}

FrequencyBytes encodeFrequency(std::int32_t value) {
    FrequencyBytes bytes{0xFF, 0xFF, 0xFF, 0xFF};
    if (value <= 0 || value >= kStorableFrequencyLimit) {
        return bytes;
    }
    for (int i = 0; i < 4; ++i) {
        const int pair = value % 100;
        bytes[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>((pair / 10) * 16 + pair % 10);
        value /= 100;
    }
    return bytes;
}

std::optional<std::int32_t> tenHertzUnits(double megahertz) {
    if (!std::isfinite(megahertz)) {
        return std::nullopt;
    }
    // As "%.14e": the 15 significant digits d.dddddddddddddd and the exponent, rounded
    // from the double's exact binary value.
    std::array<char, 40> buffer{};
    std::to_chars(buffer.data(), buffer.data() + buffer.size() - 1, std::fabs(megahertz),
                  std::chars_format::scientific, kSignificantDigits - 1);
    std::int64_t digits = buffer[0] - '0';
    for (int i = 2; i <= kSignificantDigits; ++i) {
        digits = digits * 10 + (buffer[static_cast<std::size_t>(i)] - '0');
    }
    const int exponent = std::atoi(buffer.data() + kSignificantDigits + 2);
    // value = digits x 10^(exponent - 14 + 5), truncated toward zero.
    int shift = exponent - (kSignificantDigits - 1) + kDecimalsPerUnit;
    std::int64_t value = digits;
    for (; shift < 0 && value != 0; ++shift) {
        value /= 10;
    }
    for (; shift > 0 && value != 0; --shift) {
        if (value > kMaxValue) {
            return std::nullopt;
        }
        value *= 10;
    }
    if (value > kMaxValue || (value != 0 && megahertz < 0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> frequencyValue(std::string_view text) {
    return tenHertzUnits(cAtof(text));
}

ParsedFrequency parseFrequency(std::string_view text) {
    const double megahertz = cAtof(text);
    return {formatMegahertz(megahertz), tenHertzUnits(megahertz)};
}

std::optional<MessageId> validateRx(std::optional<std::int32_t> value,
                                    const ProductState& product) {
    if (!value || *value < kLowestRx || *value > kHighestRx) {
        return MessageId::ErrorDataFormat;
    }
    if (*value % kRaster5kHz != 0 && *value % kRaster6k25Hz != 0) {
        return MessageId::ErrorStepValue;
    }
    if (*value < product.bandLowerLimit || *value > product.bandUpperLimit) {
        return MessageId::OutOfRange;
    }
    return std::nullopt;
}

std::string coerceTx(std::string_view text, std::string_view rxText, const ProductState& product) {
    if (rxText.empty()) {
        return {};
    }
    ParsedFrequency parsed = parseFrequency(text);
    if (!parsed.value || *parsed.value < product.bandLowerLimit ||
        *parsed.value > product.bandUpperLimit) {
        // The decimal product of the limit and 0.00001 is the limit's own text.
        return formatFrequency(product.bandLowerLimit);
    }
    return std::move(parsed.text);
}

std::uint8_t offsetDirection(std::string_view rxText, std::string_view txText) {
    const double rx = cAtof(rxText);
    const double tx = cAtof(txText);
    if (rx == 0 || tx == 0 || tx == rx) {
        return 0;
    }
    if (tx > rx) {
        return kTxAboveRx;
    }
    return tx < rx ? kTxBelowRx : 0;
}

}  // namespace kw
