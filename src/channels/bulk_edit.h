#pragma once
// Changes to many rows at once, cell by cell through the typing rules (cell_edit.h). The
// current cell stays where it was.

#include <span>
#include <string_view>
#include <vector>

#include "channels/cell_edit.h"
#include "channels/channel_rows.h"

namespace kw {

struct CellRefusal {
    GridCell cell;
    CellEditResult result;
};

struct [[nodiscard]] BulkEditResult {
    std::vector<CellRefusal> refused;  // the other cells were still set
    bool changed = false;              // some record's bytes changed
};

// `value` into each of `columns` of every row; empty channels are left alone.
BulkEditResult setColumnsForRows(ChannelGrid& grid, ChannelEditors& editors, const RowList& rows,
                                 std::span<const int> columns, std::string_view value,
                                 const ProductState& product);
// The first row's texts of `columns` into the same columns of the other rows, Rx first
// so that a target row becomes a channel before its other cells are set.
BulkEditResult fillDown(ChannelGrid& grid, ChannelEditors& editors, const RowList& rows,
                        std::span<const int> columns, const ProductState& product);

}  // namespace kw
