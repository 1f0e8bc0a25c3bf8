#include "channels/bulk_edit.h"

#include <algorithm>

namespace kw {
namespace {

void setCell(ChannelGrid& grid, ChannelEditors& editors, GridCell cell, std::string_view value,
             const ProductState& product, BulkEditResult& result) {
    const auto before = grid.recordBytes(cell.row);
    CellEditResult edit = editCell(grid, editors, cell, value, product);
    if (!edit.accepted()) {
        // A refused value stays out of its cell, as after a refused paste.
        editors.hideAll();
        result.refused.push_back({cell, std::move(edit)});
    } else if (grid.recordBytes(cell.row) != before) {
        result.changed = true;
    }
}

std::vector<int> ascendingColumns(std::span<const int> columns) {
    std::vector<int> sorted(columns.begin(), columns.end());
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

}  // namespace

BulkEditResult setColumnsForRows(ChannelGrid& grid, ChannelEditors& editors, const RowList& rows,
                                 std::span<const int> columns, std::string_view value,
                                 const ProductState& product) {
    const GridCell current = grid.current();
    BulkEditResult result;
    for (const int row : rows) {
        if (grid.text(row, kRxColumn).empty()) {
            continue;
        }
        for (const int column : ascendingColumns(columns)) {
            setCell(grid, editors, {row, column}, value, product, result);
        }
    }
    grid.setCurrent(current);
    return result;
}

BulkEditResult fillDown(ChannelGrid& grid, ChannelEditors& editors, const RowList& rows,
                        std::span<const int> columns, const ProductState& product) {
    BulkEditResult result;
    if (rows.empty()) {
        return result;
    }
    const GridCell current = grid.current();
    const int first = rows.front();
    for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
        for (const int column : ascendingColumns(columns)) {
            const std::string text = grid.text(first, column);
            setCell(grid, editors, {*row, column}, text, product, result);
        }
    }
    grid.setCurrent(current);
    return result;
}

}  // namespace kw
