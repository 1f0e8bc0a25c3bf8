#pragma once
// The channel table as CSV, UTF-8: a header of the nine column titles in the grid's
// language, then one record per channel row in grid order (channels 1-128, then "Fr").
// An import also takes the files people make of it: headings in either language, in any
// order, blanks and letter case aside, after an optional "CH" column of row titles; words
// of either language; and fewer lines, which are rows 1, 2, ... unless CH says which.

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
    int line = 0;  // of the refused cell's line in the file; 0 for a row --replace clears
    GridCell cell;
    std::string value;
    CellEditResult edit;
    std::vector<ChangedValue> changes;  // values the rules stored other than given

    explicit operator bool() const { return status == CsvImportStatus::Imported; }
};

// Every cell whose text differs from the grid's goes in as a user would put it in
// (editCell), line by line, Rx first; a cell that already holds the text is left alone,
// and so is an empty cell other than Rx: a new channel keeps its defaults, an existing
// one its values (but an empty name clears the name). A value for a row
// left without an Rx frequency is refused, as it could not be stored. Rows the file does
// not name stay as they are, or lose their channel with `replace`. The grid changes only
// when every cell is accepted.
CsvImportResult importChannelsCsv(std::string_view text, ChannelGrid& grid, ChannelEditors& editors,
                                  const ProductState& product, bool replace = false);

}  // namespace kw
