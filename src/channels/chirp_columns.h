#pragma once
// CHIRP's CSV columns in the order CHIRP writes them.

#include <array>
#include <string_view>

namespace kw {

enum ChirpColumn : int {
    kChirpLocation,
    kChirpName,
    kChirpFrequency,
    kChirpDuplex,
    kChirpOffset,
    kChirpTone,
    kChirpRToneFreq,
    kChirpCToneFreq,
    kChirpDtcsCode,
    kChirpDtcsPolarity,
    kChirpRxDtcsCode,
    kChirpCrossMode,
    kChirpMode,
    kChirpTStep,
    kChirpSkip,
    kChirpPower,
    kChirpComment,
    kChirpUrCall,
    kChirpRpt1Call,
    kChirpRpt2Call,
    kChirpDvCode,
    kChirpColumnCount,
};

// The D-STAR columns from URCALL on may be missing from a file; the others may not.
inline constexpr int kRequiredChirpColumns = kChirpUrCall;

inline constexpr std::array<std::string_view, kChirpColumnCount> kChirpColumnNames{
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

}  // namespace kw
