#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>

#include "base/typed_text.h"
#include "channels/cell_edit.h"
#include "channels/chirp_line.h"
#include "channels/frequency_codec.h"
#include "channels/refusal_text.h"

namespace kw {
namespace {

constexpr int kLastChannel = kFrRow - 1;

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

// Where each CHIRP column is in a line; the first of a repeated name counts.
std::string fieldIndexOf(const CsvRecord& header, ChirpFieldIndex& index) {
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

std::optional<int> locationNumber(std::string_view given) {
    const std::string_view text = withoutBlanks(given);
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != text.npos) {
        return std::nullopt;
    }
    return std::stoi(std::string(text));
}

bool isBlank(const CsvRecord& record) {
    return std::all_of(record.begin(), record.end(),
                       [](const std::string& field) { return withoutBlanks(field).empty(); });
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

// The channel into `row` through the typing rules, Rx first; the first refusal stops it.
std::optional<ChirpRefusal> putChannel(ChannelGrid& grid, ChannelEditors& editors, int row,
                                       const ChirpChannel& channel, const ProductState& product) {
    const auto edit = [&](int column, std::string_view value) -> std::optional<ChirpRefusal> {
        const CellEditResult result = editCell(grid, editors, {row, column}, value, product);
        if (result.accepted()) {
            return std::nullopt;
        }
        return ChirpRefusal{0, std::string(kChirpColumnNames[sourceOf(column)]),
                            result.notAnItem
                                ? quoted(value) + " is not a value of this radio."
                                : commitRefusalText(result.commit, product.limitsMhz())};
    };
    if (auto refused = edit(kRxColumn, channel.rx)) {
        return refused;
    }
    const std::int64_t rx = frequencyValue(grid.text(row, kRxColumn)).value_or(0);
    const std::int64_t tx =
        channel.split ? channel.offset : rx + channel.duplexSign * channel.offset;
    if (tx < product.bandLowerLimit || tx > product.bandUpperLimit) {
        const BandLimits band = product.limitsMhz();
        return ChirpRefusal{
            0, std::string(kChirpColumnNames[kChirpOffset]),
            "The Tx frequency " + megahertz(tx) + " MHz lies outside the document's band " +
                std::to_string(band.lowerMhz) + "–" + std::to_string(band.upperMhz) + " MHz."};
    }
    const std::string txText = formatFrequency(static_cast<std::int32_t>(tx));
    const std::pair<int, std::string_view> cells[] = {{kTxColumn, txText},
                                                      {kDecodeToneColumn, channel.tones.decode},
                                                      {kEncodeToneColumn, channel.tones.encode},
                                                      {kNameColumn, channel.name},
                                                      {kPowerColumn, channel.power},
                                                      {kWidthColumn, channel.width},
                                                      {kScanAddColumn, channel.scanAdd}};
    for (const auto& [column, value] : cells) {
        if (auto refused = edit(column, value)) {
            return refused;
        }
    }
    return std::nullopt;
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

// The channel of each line (for record r at r - 1); none where the Location is no channel.
struct FileRows {
    std::vector<std::optional<int>> rows;
    bool fromZero = false;  // the smallest Location is 0: Location 0 is channel 1
};

FileRows fileRows(const std::vector<CsvRecord>& records, const ChirpFieldIndex& index) {
    std::vector<std::optional<int>> numbers;
    for (std::size_t r = 1; r < records.size(); ++r) {
        numbers.push_back(isBlank(records[r])
                              ? std::nullopt
                              : locationNumber(ChirpLineFields(records[r], index)[kChirpLocation]));
    }
    FileRows file;
    file.fromZero = std::find(numbers.begin(), numbers.end(), 0) != numbers.end();
    for (const auto& number : numbers) {
        const int row = number.value_or(-1) + (file.fromZero ? 1 : 0);
        file.rows.push_back(number && row >= kFirstChannelRow && row <= kLastChannel
                                ? std::optional(row)
                                : std::nullopt);
    }
    return file;
}

// One line into `result`, or its refusals; `lineOfRow` holds the lines already read.
void importLine(ChirpImport& result, const ChirpLineFields& fields, int line,
                std::optional<int> row, const FileRows& file, std::map<int, int>& lineOfRow,
                const ProductState& product) {
    const auto refuse = [&](std::string reason) {
        result.refused.push_back(
            {line, std::string(kChirpColumnNames[kChirpLocation]), std::move(reason)});
    };
    if (!row) {
        refuse(quoted(fields[kChirpLocation]) + " is not a channel: Locations are " +
               (file.fromZero ? "0-127 in a file that counts from 0." : "1-128."));
        return;
    }
    if (const auto [earlier, added] = lineOfRow.emplace(*row, line); !added) {
        refuse("Location " + std::string(withoutBlanks(fields[kChirpLocation])) + " is on line " +
               std::to_string(earlier->second) + " already.");
        return;
    }
    const auto channel = readChirpChannel(fields, result.grid.language(), line, result.refused);
    if (!channel) {
        return;
    }
    const auto before = rowTexts(result.grid, *row);
    if (auto refused = putChannel(result.grid, result.editors, *row, *channel, product)) {
        refused->line = line;
        result.refused.push_back(std::move(*refused));
        restoreRow(result.grid, *row, before);
    }
    result.editors.hideAll();
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
    const std::vector<CsvRecord>& records = parsed.records;
    ChirpFieldIndex index;
    result.error = fieldIndexOf(records[0], index);
    if (!result.error.empty()) {
        return result;
    }
    const FileRows file = fileRows(records, index);
    for (int row = kFirstChannelRow; replace && row <= kLastChannel; ++row) {
        if (std::find(file.rows.begin(), file.rows.end(), row) == file.rows.end()) {
            (void)editCell(result.grid, result.editors, {row, kRxColumn}, "", product);
        }
    }
    std::map<int, int> lineOfRow;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const int line = static_cast<int>(r + 1);
        if (isBlank(records[r])) {
            continue;
        }
        if (records[r].size() != records[0].size()) {
            result.refused.push_back({line, "",
                                      "The line has " + std::to_string(records[r].size()) +
                                          " cells; the first line names " +
                                          std::to_string(records[0].size()) + " columns."});
            continue;
        }
        importLine(result, ChirpLineFields(records[r], index), line, file.rows[r - 1], file,
                   lineOfRow, product);
    }
    result.editors.hideAll();
    result.changed = !sameChannels(grid, result.grid);
    return result;
}

}  // namespace kw
