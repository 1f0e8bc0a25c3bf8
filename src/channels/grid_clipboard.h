#pragma once
// The channel grid on the clipboard as tab-separated text, one line per row, which is what
// spreadsheets copy and paste. A paste puts each value in as typing would (editCell), so
// the clipboard can store nothing typing could not; it is worked out on a copy of the
// grid, so the shell can show the refused cells before anything changes.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "channels/channel_editors.h"
#include "channels/channel_grid.h"
#include "model/product_state.h"
#include "res/language.h"

namespace kw {

// A rectangle of channel cells, corners included.
struct CellRange {
    GridCell first;
    GridCell last;
};

// The cells' texts: one line per row, cells separated by tabs, each line ended by "\n".
[[nodiscard]] std::string cellsAsTsv(const ChannelGrid& grid, CellRange range);
// Whole channels (Rx to Busy Lock), one line each in the order given.
[[nodiscard]] std::string rowsAsTsv(const ChannelGrid& grid, std::span<const int> rows);

using TsvBlock = std::vector<std::vector<std::string>>;
// Lines split at "\n" (a "\r" before it dropped, no line after the last line break), cells
// at tabs; blanks around a cell are not part of it.
[[nodiscard]] TsvBlock parseTsv(std::string_view text);

struct RefusedCell {
    GridCell cell;  // row may be past Fr and column past Busy Lock: beyond the table
    std::string value;
    std::string reason;
};

// One line per refused cell, 'row:column "value": reason', at most `lines` of them and
// then how many more there are.
[[nodiscard]] std::string refusedCellsList(std::span<const RefusedCell> refused, Language language,
                                           std::size_t lines = 20);

struct [[nodiscard]] PasteResult {
    explicit PasteResult(const ChannelGrid& before) : grid(before) {}

    ChannelGrid grid;  // the grid with every accepted cell, its current cell as before
    std::vector<RefusedCell> refused;
    std::vector<ChangedValue> changes;  // values the rules stored other than given
};

// The block goes in from `at` rightwards and downwards, row by row, left to right. A cell
// that already holds its value is left alone; an empty value for a row without a channel
// is nothing to store.
PasteResult pasteCells(const ChannelGrid& grid, GridCell at, const TsvBlock& block,
                       const ProductState& product, Language messageLanguage);

// Cut: every cell of the rows' range emptied where typing may empty it (an empty Rx
// deletes the channel; a drop-down keeps its text).
[[nodiscard]] ChannelGrid clearedCells(const ChannelGrid& grid, CellRange range,
                                       const ProductState& product);

}  // namespace kw
