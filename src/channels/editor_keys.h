#pragma once
// Keys as the grid's editing rules see them; the desktop view maps its toolkit's keys to
// these before asking what to do with a key-down.

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
    Other,
};

enum class KeyAction {
    PassToEditor,
    CommitCell,  // Enter: ChannelEditors::commitCellByEnter decides where the key goes
    Swallow,
};

// The frequency editor's key filter: digits, one decimal point and editing keys only.
[[nodiscard]] KeyAction frequencyEditorKeyAction(EditorKey key, bool shift);

// F1: the help topic for the focused control; the frequency editor and the tone list
// name the column they edit.
[[nodiscard]] int helpContext(int focusedControlId, int currentColumn);

}  // namespace kw
