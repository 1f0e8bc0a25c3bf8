#pragma once
// Squelch tones: the 261-entry list the tone editor offers, and the two record bytes
// (low, high) of a decode or encode tone. The high byte selects the kind:
//   00 or FF  none, written as FF FF
//   01-7F     CTCSS, four BCD digits of the tone in tenths of a hertz, high pair first
//   80-BF     DCS normal polarity: 0x80 + hundreds digit, low byte BCD of the rest
//   C0-FE     DCS inverted polarity: 0xC0 + hundreds digit, likewise

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "res/language.h"

namespace kw {

inline constexpr int kToneListSize = 261;

struct ToneBytes {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    friend bool operator==(const ToneBytes&, const ToneBytes&) = default;
};

// "None" (or "无"), the 50 CTCSS tones, the 105 DCS codes normal, then inverted.
[[nodiscard]] std::vector<std::string> buildToneList(Language language);

// Every byte pattern shows as some text; values outside the list show all the same.
[[nodiscard]] std::string toneText(ToneBytes bytes, Language language);

// The text of either language's list, or a text toneText produced, back to its bytes.
// A tone whose digits do not fit its kind is stored as none rather than as a wrapped
// byte that would read back as another tone or another kind.
[[nodiscard]] ToneBytes toneBytes(std::string_view text);

// A tone as people type it, in the form the list shows in `language`: "100" is "100.0",
// "d023n" is "D023N", and "none", "off" or nothing (blanks aside) is the no-tone word.
// Any other text comes back as given, blanks trimmed.
[[nodiscard]] std::string toneListForm(std::string_view typed, Language language);

}  // namespace kw
