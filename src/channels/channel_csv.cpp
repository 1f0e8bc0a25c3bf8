#include "channels/channel_csv.h"

#include "channels/csv.h"

namespace kw {
namespace {

constexpr std::size_t kCsvColumnCount = kBusyLockColumn;
constexpr std::size_t kCsvRowCount = kFrRow;

std::vector<std::string_view> headerFields() {
    std::vector<std::string_view> titles;
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        titles.push_back(columnTitle(column, Language::English));
    }
    return titles;
}

std::string shapeError(const std::vector<CsvRecord>& records) {
    const std::vector<std::string_view> header = headerFields();
    if (records.empty() || records[0] != CsvRecord(header.begin(), header.end())) {
        std::string titles;
        for (const std::string_view title : header) {
            titles += (titles.empty() ? "\"" : ", \"") + std::string(title) + '"';
        }
        return "The first line must be the column titles " + titles + ".";
    }
    if (records.size() - 1 != kCsvRowCount) {
        return "The file has " + std::to_string(records.size() - 1) +
               " channel rows; it needs 129 (channels 1-128, then Fr).";
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (records[r].size() != kCsvColumnCount) {
            return "Line " + std::to_string(r + 1) + " has " + std::to_string(records[r].size()) +
                   " cells; every channel row needs 9.";
        }
    }
    return {};
}

}  // namespace

std::string channelsCsv(const ChannelGrid& grid) {
    std::string csv = csvLine(headerFields());
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
                                  const ProductState& product) {
    CsvImportResult result;
    CsvParseResult parsed = parseCsv(text);
    if (parsed.error.empty()) {
        parsed.error = shapeError(parsed.records);
    }
    if (!parsed.error.empty()) {
        result.status = CsvImportStatus::Malformed;
        result.error = std::move(parsed.error);
        return result;
    }
    ChannelGrid importedGrid = grid;
    ChannelEditors importedEditors = editors;
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        const CsvRecord& record = parsed.records[static_cast<std::size_t>(row)];
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            const std::string& value = record[static_cast<std::size_t>(column - 1)];
            const GridCell cell{row, column};
            if (importedGrid.text(cell) == value) {
                continue;
            }
            if (column != kRxColumn && importedGrid.text(row, kRxColumn).empty()) {
                result.status = CsvImportStatus::Rejected;
                result.cell = cell;
                result.value = value;
                result.error = "row " + rowTitle(row) + " has no Rx frequency.";
                return result;
            }
            result.edit = editCell(importedGrid, importedEditors, cell, value, product);
            if (!result.edit.accepted()) {
                result.status = CsvImportStatus::Rejected;
                result.cell = cell;
                result.value = value;
                return result;
            }
            if (result.edit.commit.changed) {
                result.changes.push_back(*result.edit.commit.changed);
            }
        }
    }
    grid = std::move(importedGrid);
    editors = std::move(importedEditors);
    return result;
}

}  // namespace kw
