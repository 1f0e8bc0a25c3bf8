#include "channels/channel_csv.h"

#include <algorithm>
#include <array>
#include <optional>

#include "channels/cell_names.h"
#include "channels/channel_words.h"
#include "channels/csv.h"

namespace kw {
namespace {

constexpr std::size_t kCsvColumnCount = kBusyLockColumn;
constexpr std::size_t kCsvRowCount = kFrRow;

constexpr std::array<ChannelWord, 10> kChannelWords{
    kNoToneWord, kLowPowerWord, kHighPowerWord, kWideWord,        kNarrowWord,
    kYesWord,    kNoWord,       kBusyOffWord,   kBusyCarrierWord, kBusyToneWord};

std::vector<std::string_view> headerFields(Language language) {
    std::vector<std::string_view> titles;
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        titles.push_back(columnTitle(column, language));
    }
    return titles;
}

// What each field of a line is: the row title (CH) or a channel column.
struct CsvLayout {
    bool rowTitles = false;
    std::vector<int> columns;  // per field; kRowTitleColumn for the CH field
};

// The header names every channel column once, in any order and either language, after
// an optional CH.
std::optional<CsvLayout> layoutOf(const CsvRecord& header) {
    CsvLayout layout;
    std::size_t first = 0;
    if (!header.empty() && isRowTitleHeading(header[0])) {
        layout.rowTitles = true;
        layout.columns.push_back(kRowTitleColumn);
        first = 1;
    }
    for (std::size_t i = first; i < header.size(); ++i) {
        const auto column = columnNamed(header[i], false);
        if (!column || std::count(layout.columns.begin(), layout.columns.end(), *column) != 0) {
            return std::nullopt;
        }
        layout.columns.push_back(*column);
    }
    if (layout.columns.size() - first != kCsvColumnCount) {
        return std::nullopt;
    }
    return layout;
}

std::string headerError() {
    std::string titles;
    for (const std::string_view title : headerFields(Language::English)) {
        titles += (titles.empty() ? "\"" : ", \"") + std::string(title) + '"';
    }
    return "The first line must be the column titles " + titles +
           " (in any order, in either language, after an optional \"CH\").";
}

// The channel row of each line, or the reason there is none.
std::string rowsOf(const std::vector<CsvRecord>& records, const CsvLayout& layout,
                   std::vector<int>& rows) {
    if (records.size() - 1 > kCsvRowCount) {
        return "The file has " + std::to_string(records.size() - 1) +
               " channel rows; there are only 129 (channels 1-128, then Fr).";
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        const std::string line = "Line " + std::to_string(r + 1);
        if (records[r].size() != layout.columns.size()) {
            return line + " has " + std::to_string(records[r].size()) +
                   " cells; every channel row needs " + std::to_string(layout.columns.size()) + ".";
        }
        const auto row =
            layout.rowTitles ? rowNamed(records[r][0]) : std::optional(static_cast<int>(r));
        if (!row) {
            return line + ": \"" + records[r][0] + "\" is not a channel; CH is 1-128 or Fr.";
        }
        if (std::find(rows.begin(), rows.end(), *row) != rows.end()) {
            return line + " names row " + rowTitle(*row) + " again.";
        }
        rows.push_back(*row);
    }
    return {};
}

// A drop-down's word of either language, in the grid's.
std::string inLanguage(std::string_view value, Language language) {
    for (const ChannelWord& word : kChannelWords) {
        if (word.matches(value)) {
            return std::string(word.in(language));
        }
    }
    return std::string(value);
}

}  // namespace

std::string channelsCsv(const ChannelGrid& grid) {
    std::string csv = csvLine(headerFields(grid.language()));
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        std::vector<std::string_view> cells;
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            cells.push_back(grid.text(row, column));
        }
        csv += csvLine(cells);
    }
    return csv;
}

CsvImportResult importChannelsCsv(std::string_view text, ChannelGrid& grid, ChannelEditors& editors,
                                  const ProductState& product, bool replace) {
    CsvImportResult result;
    CsvParseResult parsed = parseCsv(text);
    std::optional<CsvLayout> layout;
    std::vector<int> rows;
    if (parsed.error.empty()) {
        layout = parsed.records.empty() ? std::nullopt : layoutOf(parsed.records[0]);
        parsed.error = layout ? rowsOf(parsed.records, *layout, rows) : headerError();
    }
    if (!parsed.error.empty()) {
        result.status = CsvImportStatus::Malformed;
        result.error = std::move(parsed.error);
        return result;
    }
    ChannelGrid importedGrid = grid;
    ChannelEditors importedEditors = editors;
    const auto edit = [&](GridCell cell, const std::string& value, int line) {
        result.line = line;
        result.cell = cell;
        result.value = value;
        result.edit = editCell(importedGrid, importedEditors, cell, value, product);
        if (!result.edit.accepted()) {
            result.status = CsvImportStatus::Rejected;
            return false;
        }
        if (result.edit.commit.changed) {
            result.changes.push_back(*result.edit.commit.changed);
        }
        return true;
    };
    for (int row = kFirstChannelRow; replace && row <= kFrRow; ++row) {
        if (std::find(rows.begin(), rows.end(), row) == rows.end() &&
            !importedGrid.text(row, kRxColumn).empty() && !edit({row, kRxColumn}, "", 0)) {
            return result;
        }
    }
    for (std::size_t r = 1; r < parsed.records.size(); ++r) {
        const CsvRecord& record = parsed.records[r];
        const int row = rows[r - 1];
        const int line = static_cast<int>(r + 1);
        const bool newChannel = importedGrid.text(row, kRxColumn).empty();
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            const auto field = std::find(layout->columns.begin(), layout->columns.end(), column);
            const std::string& given =
                record[static_cast<std::size_t>(field - layout->columns.begin())];
            const bool dropDown =
                column != kRxColumn && column != kTxColumn && column != kNameColumn;
            const std::string value = dropDown ? inLanguage(given, importedGrid.language()) : given;
            const GridCell cell{row, column};
            const bool keeps =
                value.empty() && column != kRxColumn && (newChannel || column != kNameColumn);
            if (importedGrid.text(cell) == value || keeps) {
                continue;
            }
            if (column != kRxColumn && importedGrid.text(row, kRxColumn).empty()) {
                result.status = CsvImportStatus::Rejected;
                result.line = line;
                result.cell = cell;
                result.value = value;
                result.error = "row " + rowTitle(row) + " has no Rx frequency.";
                return result;
            }
            if (!edit(cell, value, line)) {
                return result;
            }
        }
    }
    grid = std::move(importedGrid);
    editors = std::move(importedEditors);
    return result;
}

}  // namespace kw
