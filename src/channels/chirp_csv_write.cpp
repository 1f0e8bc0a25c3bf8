#include <cstdio>
#include <cstdlib>

#include "channels/channel_words.h"
#include "channels/chirp_columns.h"
#include "channels/chirp_csv.h"
#include "channels/chirp_tones.h"
#include "channels/csv.h"
#include "channels/frequency_codec.h"

namespace kw {
namespace {

constexpr std::string_view kHighPower = "5.0W";
constexpr std::string_view kLowPower = "1.0W";

// Ten-hertz units as MHz with six decimals, as CHIRP writes frequencies.
std::string sixDecimals(std::int32_t units) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d.%06d", units / kUnitsPerMhz,
                  (units % kUnitsPerMhz) * 10);
    return buffer;
}

struct DuplexColumns {
    std::string duplex;
    std::string offset;
};

// A channel without a Tx frequency does not transmit: CHIRP's "off".
DuplexColumns duplexOf(std::int32_t rx, std::optional<std::int32_t> tx) {
    if (!tx) {
        return {"off", sixDecimals(0)};
    }
    if (*tx == rx) {
        return {"", sixDecimals(0)};
    }
    return {*tx > rx ? "+" : "-", sixDecimals(std::abs(*tx - rx))};
}

std::vector<std::string> lineOf(const ChannelGrid& grid, int row) {
    const auto text = [&](int column) -> const std::string& { return grid.text(row, column); };
    const std::int32_t rx = frequencyValue(text(kRxColumn)).value_or(0);
    const DuplexColumns duplex = duplexOf(rx, frequencyValue(text(kTxColumn)));
    ChirpToneColumns tones = chirpToneColumns({text(kDecodeToneColumn), text(kEncodeToneColumn)});
    std::vector<std::string> line(kChirpColumnCount);
    line[kChirpLocation] = rowTitle(row);
    line[kChirpName] = text(kNameColumn);
    line[kChirpFrequency] = sixDecimals(rx);
    line[kChirpDuplex] = duplex.duplex;
    line[kChirpOffset] = duplex.offset;
    line[kChirpTone] = std::move(tones.mode);
    line[kChirpRToneFreq] = std::move(tones.rToneFreq);
    line[kChirpCToneFreq] = std::move(tones.cToneFreq);
    line[kChirpDtcsCode] = std::move(tones.dtcsCode);
    line[kChirpDtcsPolarity] = std::move(tones.dtcsPolarity);
    line[kChirpRxDtcsCode] = std::move(tones.rxDtcsCode);
    line[kChirpCrossMode] = std::move(tones.crossMode);
    line[kChirpMode] = kNarrowWord.matches(text(kWidthColumn)) ? "NFM" : "FM";
    line[kChirpTStep] = rx % kRaster5kHz == 0 ? "5.00" : "6.25";
    line[kChirpSkip] = kNoWord.matches(text(kScanAddColumn)) ? "S" : "";
    line[kChirpPower] = kLowPowerWord.matches(text(kPowerColumn)) ? kLowPower : kHighPower;
    return line;
}

}  // namespace

std::string chirpCsv(const ChannelGrid& grid) {
    std::string csv =
        csvLine(std::vector<std::string_view>(kChirpColumnNames.begin(), kChirpColumnNames.end()));
    for (int row = kFirstChannelRow; row < kFrRow; ++row) {
        if (grid.text(row, kRxColumn).empty()) {
            continue;
        }
        const std::vector<std::string> line = lineOf(grid, row);
        csv += csvLine(std::vector<std::string_view>(line.begin(), line.end()));
    }
    return csv;
}

}  // namespace kw
