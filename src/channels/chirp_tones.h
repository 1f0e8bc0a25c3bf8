#pragma once
// A channel's two tones as CHIRP's tone columns. The Tone mode says which columns count:
//   ""       no tones                    TSQL   cToneFreq both ways
//   Tone     encode rToneFreq            DTCS   DtcsCode both ways
//   Cross    CrossMode "encode->decode", each side Tone, DTCS or nothing; an encode tone
//            is rToneFreq or DtcsCode, a decode tone cToneFreq or RxDtcsCode.
// DtcsPolarity holds the transmit then the receive polarity of a DCS code: N or R.

#include <optional>
#include <string>
#include <string_view>

#include "res/language.h"

namespace kw {

// The unused columns hold CHIRP's own defaults.
struct ChirpToneColumns {
    std::string mode;
    std::string rToneFreq = "88.5";
    std::string cToneFreq = "88.5";
    std::string dtcsCode = "023";
    std::string dtcsPolarity = "NN";
    std::string rxDtcsCode = "023";
    std::string crossMode = "Tone->Tone";
};

// Tones as the tone list shows them ("88.5", "D023N", "D023I", or the no-tone word).
struct ChannelTones {
    std::string decode;
    std::string encode;
};

// From the grid's two tone texts.
[[nodiscard]] ChirpToneColumns chirpToneColumns(const ChannelTones& tones);

// A column of a line that names no tone of the radio's list, or no mode, and why.
struct ChirpToneProblem {
    std::string column;
    std::string reason;
};

struct [[nodiscard]] ChirpToneReading {
    ChannelTones tones;
    std::optional<ChirpToneProblem> problem;
};

// The tones in `language`'s list texts; letter case and blanks do not count.
ChirpToneReading readChirpTones(const ChirpToneColumns& columns, Language language);

}  // namespace kw
