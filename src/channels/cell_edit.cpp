#include "channels/cell_edit.h"

namespace kw {

CellEditResult editCell(ChannelGrid& grid, ChannelEditors& editors, GridCell cell,
                        std::string_view value, const ProductState& product) {
    grid.setCurrent(cell);
    editors.showEditor(grid);
    InPlaceEditor& editor = editors.current(grid);
    if (editor.kind() == EditorKind::EditBox) {
        editor.type(std::string(value));
    } else if (const auto index = editor.itemIndex(value)) {
        editor.pick(*index);
    } else {
        editor.hide();
        return {true, {}};
    }
    return {false, editors.commitCell(grid, product)};
}

}  // namespace kw
