#include "channels/cell_edit.h"

#include "channels/tone_table.h"

namespace kw {

std::string cellEditRefusal(const CellEditResult& edit, Language language) {
    if (edit.notAnItem) {
        return std::string(builtInText(BuiltInText::NotAChoiceOfTheColumn, language));
    }
    return std::string(rejectionText(edit.commit, language));
}

CellEditResult editCell(ChannelGrid& grid, ChannelEditors& editors, GridCell cell,
                        std::string_view value, const ProductState& product) {
    grid.setCurrent(cell);
    editors.showEditor(grid);
    InPlaceEditor& editor = editors.current(grid);
    const bool tone = cell.column == kDecodeToneColumn || cell.column == kEncodeToneColumn;
    const std::string text = tone ? toneListForm(value, grid.language()) : std::string(value);
    if (editor.kind() == EditorKind::EditBox) {
        editor.type(text);
    } else if (const auto index = editor.itemIndex(text)) {
        editor.pick(*index);
    } else {
        editor.hide();
        return {true, {}};
    }
    return {false, editors.commitCell(grid, product)};
}

}  // namespace kw
