#pragma once
// Keys as the grid's editing rules see them; the desktop view maps its toolkit's keys to
// these before asking what to do with a key-down.

#include <optional>

#include "channels/grid_layout.h"
#include "channels/in_place_editor_state.h"
#include "res/help_context.h"

namespace kw {

enum class EditorKey {
    Backspace,
    Delete,
    Left,
    Right,
    Up,
    Down,
    Digit,          // 0-9 on the main keyboard
    Period,         // the full-stop key on the main keyboard
    KeypadDigit,    // 0-9 on the numeric keypad
    KeypadDecimal,  // the numeric keypad's decimal point
    Enter,
    F1,
    Tab,
    BackTab,  // Shift+Tab
    Other,
};

enum class KeyAction {
    PassToEditor,
    CommitCell,  // Enter: ChannelEditors::commitCellByEnter decides where the key goes
    Swallow,
};

// The frequency editor's key filter: digits, one decimal point and editing keys only.
[[nodiscard]] KeyAction frequencyEditorKeyAction(EditorKey key, bool shift);

// The cell a key-down in the editor over `current` moves to: Tab and Shift+Tab step
// along the row and run on into the next row or back into the one before; an edit box
// keeps Left and Right for its text and moves with Up and Down, a list keeps Up and Down
// for its items and moves with Left and Right. A step off the channel cells stays on
// `current`. Nothing when the key is the editor's own.
[[nodiscard]] std::optional<GridCell> cellAfterKey(GridCell current, EditorKey key,
                                                   EditorKind editor);

// F1: the help topic for the focused control; the frequency editor and the tone list
// name the column they edit.
[[nodiscard]] HelpContext helpContext(ControlId<ProgramWindow> focusedControlId, int currentColumn);

}  // namespace kw
