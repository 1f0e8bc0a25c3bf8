#pragma once
// The channel table as CSV: a header of the nine English column titles, then one record
// per channel row in grid order (channels 1-128, then "Fr"), nine cells each, UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "channels/cell_edit.h"
#include "channels/channel_editors.h"
#include "channels/channel_grid.h"

namespace kw {

[[nodiscard]] std::string channelsCsv(const ChannelGrid& grid);

enum class CsvImportStatus {
    Imported,
    Malformed,  // not CSV, or not the channel table's shape; `error` says why
    Rejected,   // a cell the editing rules refuse; `cell`, `value` and `edit` say which,
                // or `error` for a value in a row that has no Rx frequency
};

struct [[nodiscard]] CsvImportResult {
    CsvImportStatus status = CsvImportStatus::Imported;
    std::string error;
    GridCell cell;
    std::string value;
    CellEditResult edit;
    std::vector<ChangedValue> changes;  // values the rules stored other than given

    explicit operator bool() const { return status == CsvImportStatus::Imported; }
};

// Every cell whose text differs from the grid's goes in as a user would put it in
// (editCell), row by row, left to right; a cell that already holds the text is left
// alone. A value for a row left without an Rx frequency is refused, as it could not be
// stored. The grid changes only when every cell is accepted.
CsvImportResult importChannelsCsv(std::string_view text, ChannelGrid& grid, ChannelEditors& editors,
                                  const ProductState& product);

}  // namespace kw
