#pragma once
// What a user does to one cell: makes it current, puts a value into its editor and moves
// on. Scripts and imports change the grid through this and nothing else, so they obey
// the same rules as the desktop program. A value goes into an edit box as if pasted:
// the key filter and length limits govern typing only.

#include <string>
#include <string_view>

#include "channels/channel_editors.h"
#include "channels/channel_grid.h"
#include "model/product_state.h"

namespace kw {

struct [[nodiscard]] CellEditResult {
    bool notAnItem = false;  // a drop-down value that is none of the list's texts
    CellCommitOutcome commit;

    bool accepted() const { return !notAnItem && !commit.rejected(); }
};

// Why the cell refused the value, in `language`; empty when it took it.
[[nodiscard]] std::string cellEditRefusal(const CellEditResult& edit, Language language);

// `cell` must be a channel cell. A drop-down value must be one of its list's texts; a
// tone may be typed loosely (toneListForm).
CellEditResult editCell(ChannelGrid& grid, ChannelEditors& editors, GridCell cell,
                        std::string_view value, const ProductState& product);

}  // namespace kw
