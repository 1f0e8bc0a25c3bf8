#include "channels/tone_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "base/typed_text.h"
#include "channels/c_number.h"
#include "channels/channel_words.h"

namespace kw {
namespace {

constexpr std::array<int, 50> kCtcssTenths{
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

constexpr std::array<int, 105> kDcsCodes{
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

constexpr std::uint8_t kNoneHigh = 0x00;
constexpr std::uint8_t kDcsNormal = 0x80;
constexpr std::uint8_t kDcsInverted = 0xC0;
// Highest hundreds digit each DCS kind can carry in its high byte (0xBF and 0xFE).
constexpr int kMaxNormalHundreds = 0xBF - kDcsNormal;
constexpr int kMaxInvertedHundreds = 0xFE - kDcsInverted;
// CTCSS high pairs 01-79: 00 reads as none and 80 upwards as DCS.
constexpr int kMinCtcssTenths = 100;
constexpr int kMaxCtcssTenths = 7999;

// Nibbles are not tested: a nibble above 9 contributes its value at that weight.
int pairValue(std::uint8_t byte) {
    return (byte >> 4) * 10 + (byte & 0x0F);
}

std::uint8_t packedPair(int pair) {
    return static_cast<std::uint8_t>((pair / 10) * 16 + pair % 10);
}

std::string dcsText(int hundreds, std::uint8_t low, char polarity) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%d%c", hundreds == 0 ? "D0" : "D",
                  hundreds * 100 + pairValue(low), polarity);
    return buffer;
}

ToneBytes dcsBytes(std::string_view rest) {
    const long code = cAtoi(rest);
    const bool normal = rest.find('N') != std::string_view::npos;
    const long hundreds = code / 100;
    if (code < 0 || hundreds > (normal ? kMaxNormalHundreds : kMaxInvertedHundreds)) {
        return {};
    }
    const auto base = normal ? kDcsNormal : kDcsInverted;
    return {packedPair(static_cast<int>(code % 100)),
            static_cast<std::uint8_t>(base + static_cast<int>(hundreds))};
}

ToneBytes ctcssBytes(std::string_view text) {
    const double tenths = std::ceil(10 * cAtof(text));
    if (!(tenths >= kMinCtcssTenths && tenths <= kMaxCtcssTenths)) {
        return {};
    }
    const int t = static_cast<int>(tenths);
    return {packedPair(t % 100), packedPair(t / 100)};
}

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace

std::vector<std::string> buildToneList(Language language) {
    std::vector<std::string> list;
    list.reserve(kToneListSize);
    list.emplace_back(kNoToneWord.in(language));
    for (const int tenths : kCtcssTenths) {
        list.push_back(toneText({packedPair(tenths % 100), packedPair(tenths / 100)}, language));
    }
    for (const std::uint8_t base : {kDcsNormal, kDcsInverted}) {
        for (const int code : kDcsCodes) {
            list.push_back(toneText(
                {packedPair(code % 100), static_cast<std::uint8_t>(base + code / 100)}, language));
        }
    }
    return list;
}

std::string toneText(ToneBytes bytes, Language language) {
    const std::uint8_t high = bytes.high;
    if (high == 0xFF || high == kNoneHigh) {
        return std::string(kNoToneWord.in(language));
    }
    if (high >= kDcsInverted) {
        return dcsText(high - kDcsInverted, bytes.low, 'I');
    }
    if (high >= kDcsNormal) {
        return dcsText(high - kDcsNormal, bytes.low, 'N');
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%3.1f",
                  (pairValue(high) * 100 + pairValue(bytes.low)) / 10.0);
    return buffer;
}

ToneBytes toneBytes(std::string_view text) {
    if (text.find('D') != std::string_view::npos) {
        return dcsBytes(text.substr(1));
    }
    return ctcssBytes(text);
}

std::string toneListForm(std::string_view typed, Language language) {
    const std::string_view text = withoutBlanks(typed);
    if (text.empty() || sameTypedWord(text, "none") || sameTypedWord(text, "off")) {
        return std::string(kNoToneWord.in(language));
    }
    if (allDigits(text)) {
        return std::string(text) + ".0";
    }
    return text.front() == 'd' || text.front() == 'D' ? upper(text) : std::string(text);
}

}  // namespace kw
