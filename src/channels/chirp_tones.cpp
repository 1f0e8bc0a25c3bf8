#include "channels/chirp_tones.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/typed_text.h"
#include "channels/c_number.h"
#include "channels/channel_words.h"
#include "channels/tone_table.h"

namespace kw {
namespace {

enum class ToneKind { None, Ctcss, Dcs };

constexpr std::string_view kArrow = "->";
constexpr std::string_view kToneSide = "Tone";
constexpr std::string_view kDcsSide = "DTCS";
// Above every CTCSS tone, in tenths of a hertz; keeps the rounding within range.
constexpr double kTenthsBeyondList = 10000;

ToneKind kindOf(std::string_view text) {
    if (kNoToneWord.matches(text) || text.empty()) {
        return ToneKind::None;
    }
    return text.front() == 'D' ? ToneKind::Dcs : ToneKind::Ctcss;
}

std::string_view sideName(ToneKind kind) {
    return kind == ToneKind::Ctcss ? kToneSide : kind == ToneKind::Dcs ? kDcsSide : "";
}

// "D023N" -> "023" and 'N'; an inverted code is CHIRP's R.
std::string dcsCode(std::string_view text) {
    return std::string(text.substr(1, 3));
}

char chirpPolarity(std::string_view text) {
    return text.back() == 'I' ? 'R' : 'N';
}

bool isListed(std::string_view text) {
    static const std::vector<std::string> list = buildToneList(Language::English);
    return std::find(list.begin(), list.end(), text) != list.end();
}

struct ToneRead {
    std::string text;
    std::optional<ChirpToneProblem> problem;
};

ToneRead refused(std::string_view column, std::string reason) {
    return {{}, ChirpToneProblem{std::string(column), std::move(reason)}};
}

ToneRead ctcssTone(std::string_view given, std::string_view column) {
    const std::string_view text = withoutBlanks(given);
    const double tenths = 10 * cAtof(text);
    if (isPlainDecimal(text) && tenths < kTenthsBeyondList) {
        const long rounded = std::lround(tenths);
        const std::string listText =
            std::to_string(rounded / 10) + '.' + std::to_string(rounded % 10);
        if (std::fabs(tenths - static_cast<double>(rounded)) < 1e-6 && isListed(listText)) {
            return {listText, std::nullopt};
        }
    }
    return refused(column, '"' + std::string(given) + "\" is not a CTCSS tone of the radio.");
}

// `polarity` is DtcsPolarity's letter for this side.
ToneRead dcsTone(std::string_view given, std::string_view column, char polarity) {
    const std::string_view code = withoutBlanks(given);
    const std::string padded =
        std::string(3 - std::min<std::size_t>(code.size(), 3), '0') + std::string(code);
    const std::string listText = 'D' + padded + (asciiLower(polarity) == 'r' ? 'I' : 'N');
    if (code.empty() || code.find_first_not_of("0123456789") != code.npos || !isListed(listText)) {
        return refused(column, '"' + std::string(given) + "\" is not a DCS code of the radio.");
    }
    return {listText, std::nullopt};
}

bool isPolarityPair(std::string_view text) {
    return text.size() == 2 && std::all_of(text.begin(), text.end(), [](char c) {
               return asciiLower(c) == 'n' || asciiLower(c) == 'r';
           });
}

struct CrossSides {
    ToneKind encode = ToneKind::None;
    ToneKind decode = ToneKind::None;
};

std::optional<ToneKind> sideNamed(std::string_view name) {
    for (const ToneKind kind : {ToneKind::None, ToneKind::Ctcss, ToneKind::Dcs}) {
        if (sameTypedWord(name, sideName(kind))) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<CrossSides> crossSides(std::string_view crossMode) {
    const auto arrow = crossMode.find(kArrow);
    if (arrow == crossMode.npos) {
        return std::nullopt;
    }
    const auto encode = sideNamed(crossMode.substr(0, arrow));
    const auto decode = sideNamed(crossMode.substr(arrow + kArrow.size()));
    if (!encode || !decode || (*encode == ToneKind::None && *decode == ToneKind::None)) {
        return std::nullopt;
    }
    return CrossSides{*encode, *decode};
}

std::optional<CrossSides> modeSides(const ChirpToneColumns& columns) {
    const std::string_view mode = columns.mode;
    if (withoutBlanks(mode).empty()) {
        return CrossSides{};
    }
    if (sameTypedWord(mode, "Tone")) {
        return CrossSides{ToneKind::Ctcss, ToneKind::None};
    }
    if (sameTypedWord(mode, "TSQL")) {
        return CrossSides{ToneKind::Ctcss, ToneKind::Ctcss};
    }
    if (sameTypedWord(mode, "DTCS")) {
        return CrossSides{ToneKind::Dcs, ToneKind::Dcs};
    }
    return std::nullopt;
}

}  // namespace

ChirpToneColumns chirpToneColumns(const ChannelTones& tones) {
    const ToneKind encode = kindOf(tones.encode);
    const ToneKind decode = kindOf(tones.decode);
    ChirpToneColumns columns;
    if (encode == ToneKind::None && decode == ToneKind::None) {
        return columns;
    }
    if (encode == ToneKind::Ctcss && decode == ToneKind::None) {
        columns.mode = "Tone";
        columns.rToneFreq = tones.encode;
    } else if (encode == ToneKind::Ctcss && tones.decode == tones.encode) {
        columns.mode = "TSQL";
        columns.cToneFreq = tones.encode;
    } else if (encode == ToneKind::Dcs && decode == ToneKind::Dcs &&
               dcsCode(tones.encode) == dcsCode(tones.decode)) {
        columns.mode = "DTCS";
        columns.dtcsCode = dcsCode(tones.encode);
        columns.dtcsPolarity = {chirpPolarity(tones.encode), chirpPolarity(tones.decode)};
    } else {
        columns.mode = "Cross";
        columns.crossMode =
            std::string(sideName(encode)) + std::string(kArrow) + std::string(sideName(decode));
        if (encode == ToneKind::Ctcss) {
            columns.rToneFreq = tones.encode;
        } else if (encode == ToneKind::Dcs) {
            columns.dtcsCode = dcsCode(tones.encode);
            columns.dtcsPolarity[0] = chirpPolarity(tones.encode);
        }
        if (decode == ToneKind::Ctcss) {
            columns.cToneFreq = tones.decode;
        } else if (decode == ToneKind::Dcs) {
            columns.rxDtcsCode = dcsCode(tones.decode);
            columns.dtcsPolarity[1] = chirpPolarity(tones.decode);
        }
    }
    return columns;
}

ChirpToneReading readChirpTones(const ChirpToneColumns& columns, Language language) {
    const bool cross = sameTypedWord(columns.mode, "Cross");
    const auto sides = cross ? crossSides(columns.crossMode) : modeSides(columns);
    if (!sides) {
        const std::string_view column = cross ? "CrossMode" : "Tone";
        const std::string& given = cross ? columns.crossMode : columns.mode;
        return {
            {},
            ChirpToneProblem{std::string(column),
                             '"' + given + "\" is not a " + std::string(column) + " of CHIRP's: " +
                                 (cross ? "Tone->Tone, Tone->DTCS, DTCS->Tone, "
                                          "DTCS->DTCS, ->Tone, ->DTCS, DTCS-> or Tone->."
                                        : "empty, Tone, TSQL, DTCS or Cross.")}};
    }
    const std::string_view polarity = withoutBlanks(columns.dtcsPolarity);
    if ((sides->encode == ToneKind::Dcs || sides->decode == ToneKind::Dcs) &&
        !isPolarityPair(polarity)) {
        return {{},
                ChirpToneProblem{"DtcsPolarity", '"' + columns.dtcsPolarity +
                                                     "\" is not two polarities, transmit then "
                                                     "receive, each N or R."}};
    }
    const bool tsql =
        sides->encode == ToneKind::Ctcss && sides->decode == ToneKind::Ctcss && !cross;
    const bool dtcs = sides->encode == ToneKind::Dcs && sides->decode == ToneKind::Dcs && !cross;
    const auto side = [&](ToneKind kind, bool encode) -> ToneRead {
        switch (kind) {
            case ToneKind::None:
                return {std::string(kNoToneWord.in(language)), std::nullopt};
            case ToneKind::Ctcss:
                return encode && !tsql ? ctcssTone(columns.rToneFreq, "rToneFreq")
                                       : ctcssTone(columns.cToneFreq, "cToneFreq");
            case ToneKind::Dcs:
                return encode || dtcs
                           ? dcsTone(columns.dtcsCode, "DtcsCode", polarity[encode ? 0 : 1])
                           : dcsTone(columns.rxDtcsCode, "RxDtcsCode", polarity[1]);
        }
        return {};
    };
    ToneRead encode = side(sides->encode, true);
    ToneRead decode = side(sides->decode, false);
    ChirpToneReading reading;
    reading.problem = encode.problem ? encode.problem : decode.problem;
    reading.tones = {std::move(decode.text), std::move(encode.text)};
    return reading;
}

}  // namespace kw
