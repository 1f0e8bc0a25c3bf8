#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>

#include "base/typed_text.h"
#include "channels/c_number.h"
#include "channels/cell_edit.h"
#include "channels/channel_name.h"
#include "channels/channel_words.h"
#include "channels/chirp_columns.h"
#include "channels/chirp_csv.h"
#include "channels/chirp_tones.h"
#include "channels/csv.h"
#include "channels/frequency_codec.h"
#include "channels/refusal_text.h"

namespace kw {
namespace {

constexpr int kLastChannel = kFrRow - 1;
// A longer name cannot fit eight bytes even as \xNN escapes; cutting starts here.
constexpr std::size_t kLongestNameText = 4 * record::kNameSize;
// Below this a wattage is the low power level.
constexpr double kLowPowerBelowWatts = 2.5;

using FieldIndex = std::array<std::optional<std::size_t>, kChirpColumnCount>;

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

// Where each CHIRP column is in a line; the first of a repeated name counts.
std::string fieldIndexOf(const CsvRecord& header, FieldIndex& index) {
    for (std::size_t field = 0; field < header.size(); ++field) {
        for (int column = 0; column < kChirpColumnCount; ++column) {
            if (!index[column] && sameTypedWord(header[field], kChirpColumnNames[column])) {
                index[column] = field;
            }
        }
    }
    std::string missing;
    for (int column = 0; column < kRequiredChirpColumns; ++column) {
        if (!index[column]) {
            missing += (missing.empty() ? "" : ", ") + quoted(kChirpColumnNames[column]);
        }
    }
    return missing.empty() ? missing
                           : "The first line must name CHIRP's columns; it lacks " + missing + '.';
}

class LineFields {
  public:
    LineFields(const CsvRecord& record, const FieldIndex& index) : record_(record), index_(index) {}
    std::string_view operator[](ChirpColumn column) const {
        const auto field = index_[column];
        return field ? std::string_view(record_[*field]) : std::string_view();
    }

  private:
    const CsvRecord& record_;
    const FieldIndex& index_;
};

std::optional<int> locationNumber(std::string_view given) {
    const std::string_view text = withoutBlanks(given);
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != text.npos) {
        return std::nullopt;
    }
    return std::stoi(std::string(text));
}

// How Tx follows from Rx: Tx = Rx + sign * Offset, or Tx = Offset for split.
struct Duplex {
    int sign = 0;
    bool split = false;
};

std::optional<Duplex> duplexNamed(std::string_view given) {
    const std::string_view text = withoutBlanks(given);
    if (text.empty()) {
        return Duplex{};
    }
    if (text == "+" || text == "-") {
        return Duplex{text == "+" ? 1 : -1, false};
    }
    if (sameTypedWord(text, "split")) {
        return Duplex{0, true};
    }
    return std::nullopt;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Cut at a character boundary to what the name editor stores; a character the code page
// lacks is left for the editor to refuse.
std::string nameThatFits(std::string_view given) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < given.size() && characters < kLongestNameText;
         ++characters) {
        do {
            ++end;
        } while (end < given.size() && isContinuationByte(given[end]));
    }
    std::string name(given.substr(0, end));
    GbkCodec codec;
    while (!name.empty() && encodeChannelName(name, codec).problem == NameProblem::TooLong) {
        std::size_t last = name.size() - 1;
        while (last > 0 && isContinuationByte(name[last])) {
            --last;
        }
        name.erase(last);
    }
    return name;
}

bool isLowPower(std::string_view given) {
    const std::string_view text = withoutBlanks(given);
    if (sameTypedWord(text, "Low") || sameTypedWord(text, "L")) {
        return true;
    }
    const bool watts = !text.empty() && asciiLower(text.back()) == 'w';
    const std::string_view number = withoutBlanks(watts ? text.substr(0, text.size() - 1) : text);
    return !number.empty() && number.find_first_not_of("0123456789.") == number.npos &&
           cAtof(number) < kLowPowerBelowWatts;
}

bool isNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789.") == text.npos &&
           std::count(text.begin(), text.end(), '.') <= 1;
}

bool isBlank(const CsvRecord& record) {
    return std::all_of(record.begin(), record.end(),
                       [](const std::string& field) { return withoutBlanks(field).empty(); });
}

// What a line asks of a channel, in the grid's texts, before the typing rules see it.
struct ChannelLine {
    std::string rx;
    Duplex duplex;
    std::int64_t offset = 0;
    ChannelTones tones;
    std::string name;
    std::string power;
    std::string width;
    std::string scanAdd;
};

class LineReader {
  public:
    LineReader(int line, std::vector<ChirpRefusal>& refused) : line_(line), refused_(refused) {}

    void refuse(ChirpColumn column, std::string reason) {
        refuse(kChirpColumnNames[column], std::move(reason));
    }
    void refuse(std::string_view column, std::string reason) {
        refused_.push_back({line_, std::string(column), std::move(reason)});
        ok_ = false;
    }
    bool ok() const { return ok_; }
    int line() const { return line_; }

  private:
    int line_;
    std::vector<ChirpRefusal>& refused_;
    bool ok_ = true;
};

ChannelLine channelLine(const LineFields& fields, Language language, LineReader& reader) {
    ChannelLine channel;
    channel.rx = withoutBlanks(fields[kChirpFrequency]);
    if (const auto duplex = duplexNamed(fields[kChirpDuplex])) {
        channel.duplex = *duplex;
    } else if (sameTypedWord(fields[kChirpDuplex], "off")) {
        reader.refuse(kChirpDuplex,
                      "\"off\" cannot be stored: this radio has no transmit inhibit.");
    } else {
        reader.refuse(kChirpDuplex, quoted(fields[kChirpDuplex]) +
                                        " is not a Duplex of CHIRP's: empty, +, - or split.");
    }
    if (channel.duplex.sign != 0 || channel.duplex.split) {
        const std::string_view offset = withoutBlanks(fields[kChirpOffset]);
        const auto units = isNumber(offset) ? parseFrequency(offset).value : std::nullopt;
        if (units) {
            channel.offset = *units;
        } else {
            reader.refuse(kChirpOffset,
                          quoted(fields[kChirpOffset]) + " is not a frequency in MHz.");
        }
    }
    ChirpToneReading tones = readChirpTones(
        {std::string(fields[kChirpTone]), std::string(fields[kChirpRToneFreq]),
         std::string(fields[kChirpCToneFreq]), std::string(fields[kChirpDtcsCode]),
         std::string(fields[kChirpDtcsPolarity]), std::string(fields[kChirpRxDtcsCode]),
         std::string(fields[kChirpCrossMode])},
        language);
    if (tones.problem) {
        reader.refuse(tones.problem->column, std::move(tones.problem->reason));
    }
    channel.tones = std::move(tones.tones);
    channel.name = nameThatFits(fields[kChirpName]);
    channel.power = (isLowPower(fields[kChirpPower]) ? kLowPowerWord : kHighPowerWord).in(language);
    const std::string_view mode = fields[kChirpMode];
    if (sameTypedWord(mode, "FM") || sameTypedWord(mode, "NFM")) {
        channel.width = (sameTypedWord(mode, "FM") ? kWideWord : kNarrowWord).in(language);
    } else {
        reader.refuse(kChirpMode,
                      quoted(mode) + " is not a mode of this radio: FM (Wide) or NFM (Narrow).");
    }
    const std::string_view skip = fields[kChirpSkip];
    if (withoutBlanks(skip).empty() || sameTypedWord(skip, "P") || sameTypedWord(skip, "S")) {
        channel.scanAdd = (sameTypedWord(skip, "S") ? kNoWord : kYesWord).in(language);
    } else {
        reader.refuse(kChirpSkip, quoted(skip) + " is not a Skip of CHIRP's: empty, P or S.");
    }
    return channel;
}

// The CHIRP column a grid cell's value came from.
ChirpColumn sourceOf(int gridColumn) {
    switch (gridColumn) {
        case kRxColumn:
            return kChirpFrequency;
        case kTxColumn:
            return kChirpOffset;
        case kNameColumn:
            return kChirpName;
        case kPowerColumn:
            return kChirpPower;
        case kWidthColumn:
            return kChirpMode;
        case kScanAddColumn:
            return kChirpSkip;
        default:
            return kChirpTone;
    }
}

std::string megahertz(std::int64_t units) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.5f", static_cast<double>(units) / kUnitsPerMhz);
    return buffer;
}

// The line into `row` through the typing rules, Rx first; stops at the first refusal.
void putLine(ChannelGrid& grid, ChannelEditors& editors, int row, const ChannelLine& channel,
             const ProductState& product, LineReader& reader) {
    const auto edit = [&](int column, std::string_view value) {
        const CellEditResult result = editCell(grid, editors, {row, column}, value, product);
        if (!result.accepted()) {
            reader.refuse(sourceOf(column),
                          result.notAnItem ? quoted(value) + " is not a value of this radio."
                                           : commitRefusalText(result.commit, product.limitsMhz()));
        }
        return result.accepted();
    };
    if (!edit(kRxColumn, channel.rx)) {
        return;
    }
    const std::int64_t rx = frequencyValue(grid.text(row, kRxColumn)).value_or(0);
    const std::int64_t tx =
        channel.duplex.split ? channel.offset : rx + channel.duplex.sign * channel.offset;
    if (tx < product.bandLowerLimit || tx > product.bandUpperLimit) {
        const BandLimits band = product.limitsMhz();
        reader.refuse(kChirpOffset, "The Tx frequency " + megahertz(tx) +
                                        " MHz lies outside the document's band " +
                                        std::to_string(band.lowerMhz) + "–" +
                                        std::to_string(band.upperMhz) + " MHz.");
        return;
    }
    edit(kTxColumn, formatFrequency(static_cast<std::int32_t>(tx))) &&
        edit(kDecodeToneColumn, channel.tones.decode) &&
        edit(kEncodeToneColumn, channel.tones.encode) && edit(kNameColumn, channel.name) &&
        edit(kPowerColumn, channel.power) && edit(kWidthColumn, channel.width) &&
        edit(kScanAddColumn, channel.scanAdd);
}

std::array<std::string, kGridColumnCount> rowTexts(const ChannelGrid& grid, int row) {
    std::array<std::string, kGridColumnCount> texts;
    for (int column = kRxColumn; column < kGridColumnCount; ++column) {
        texts[column] = grid.text(row, column);
    }
    return texts;
}

void restoreRow(ChannelGrid& grid, int row,
                const std::array<std::string, kGridColumnCount>& texts) {
    for (int column = kRxColumn; column < kGridColumnCount; ++column) {
        grid.setText({row, column}, texts[column]);
    }
}

bool sameChannels(const ChannelGrid& a, const ChannelGrid& b) {
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        if (rowTexts(a, row) != rowTexts(b, row)) {
            return false;
        }
    }
    return true;
}

}  // namespace

ChirpImport readChirpCsv(std::string_view text, const ChannelGrid& grid,
                         const ChannelEditors& editors, const ProductState& product, bool replace) {
    ChirpImport result(grid, editors);
    CsvParseResult parsed = parseCsv(text);
    if (!parsed) {
        result.error = std::move(parsed.error);
        return result;
    }
    if (parsed.records.empty()) {
        result.error = "The file is empty; the first line must name CHIRP's columns.";
        return result;
    }
    FieldIndex index;
    result.error = fieldIndexOf(parsed.records[0], index);
    if (!result.error.empty()) {
        return result;
    }
    const auto& records = parsed.records;
    const auto location = [&](std::size_t r) {
        return locationNumber(LineFields(records[r], index)[kChirpLocation]);
    };
    // A file that counts its Locations from 0 starts at channel 1 all the same.
    std::optional<int> first;
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (const auto number = location(r); number && (!first || *number < *first)) {
            first = number;
        }
    }
    const int shift = first == 0 ? 1 : 0;
    const auto rowOf = [&](std::size_t r) -> std::optional<int> {
        const auto number = location(r);
        if (!number || *number + shift < kFirstChannelRow || *number + shift > kLastChannel) {
            return std::nullopt;
        }
        return *number + shift;
    };
    ChannelGrid& into = result.grid;
    for (int row = kFirstChannelRow; replace && row <= kLastChannel; ++row) {
        bool named = false;
        for (std::size_t r = 1; r < records.size() && !named; ++r) {
            named = !isBlank(records[r]) && rowOf(r) == row;
        }
        if (!named) {
            (void)editCell(into, result.editors, {row, kRxColumn}, "", product);
        }
    }
    std::map<int, int> lineOfRow;
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (isBlank(records[r])) {
            continue;
        }
        LineReader reader(static_cast<int>(r + 1), result.refused);
        const LineFields fields(records[r], index);
        if (records[r].size() != records[0].size()) {
            reader.refuse("", "The line has " + std::to_string(records[r].size()) +
                                  " cells; the first line names " +
                                  std::to_string(records[0].size()) + " columns.");
            continue;
        }
        const auto row = rowOf(r);
        if (!row) {
            const std::string_view given = fields[kChirpLocation];
            reader.refuse(kChirpLocation,
                          quoted(given) + " is not a channel: Locations are " +
                              (shift ? "0-127 in a file that counts from 0." : "1-128."));
            continue;
        }
        if (const auto [earlier, added] = lineOfRow.emplace(*row, reader.line()); !added) {
            reader.refuse(kChirpLocation,
                          "Location " + std::string(withoutBlanks(fields[kChirpLocation])) +
                              " is on line " + std::to_string(earlier->second) + " already.");
            continue;
        }
        const ChannelLine channel = channelLine(fields, into.language(), reader);
        if (!reader.ok()) {
            continue;
        }
        const auto before = rowTexts(into, *row);
        putLine(into, result.editors, *row, channel, product, reader);
        if (!reader.ok()) {
            restoreRow(into, *row, before);
        }
        result.editors.hideAll();
    }
    result.changed = !sameChannels(grid, into);
    return result;
}

}  // namespace kw
