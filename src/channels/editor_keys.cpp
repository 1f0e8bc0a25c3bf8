#include "channels/editor_keys.h"

#include "channels/channel_editors.h"
#include "channels/grid_layout.h"

namespace kw {
namespace {

constexpr HelpContext kRxFrequencyHelp{2127, HelpWindow::Program};
constexpr HelpContext kTxFrequencyHelp{2128, HelpWindow::Program};
constexpr HelpContext kDecodeToneHelp{2132, HelpWindow::Program};
constexpr HelpContext kEncodeToneHelp{2133, HelpWindow::Program};

}  // namespace

KeyAction frequencyEditorKeyAction(EditorKey key, bool shift) {
    switch (key) {
        case EditorKey::Backspace:
        case EditorKey::Delete:
        case EditorKey::KeypadDigit:
        case EditorKey::KeypadDecimal:
        case EditorKey::Left:
        case EditorKey::Right:
        case EditorKey::Up:
        case EditorKey::Down:
            return KeyAction::PassToEditor;
        case EditorKey::Digit:
        case EditorKey::Period:
            return shift ? KeyAction::Swallow : KeyAction::PassToEditor;
        case EditorKey::Enter:
            return KeyAction::CommitCell;
        case EditorKey::F1:
        case EditorKey::Tab:
        case EditorKey::BackTab:
        case EditorKey::Other:
            break;
    }
    return KeyAction::Swallow;
}

std::optional<GridCell> cellAfterKey(GridCell current, EditorKey key, EditorKind editor) {
    const bool editBox = editor == EditorKind::EditBox;
    GridCell target = current;
    switch (key) {
        case EditorKey::Tab:
        case EditorKey::BackTab:
            target.column += key == EditorKey::Tab ? 1 : -1;
            break;
        case EditorKey::Up:
        case EditorKey::Down:
            if (!editBox) {
                return std::nullopt;
            }
            target.row += key == EditorKey::Up ? -1 : 1;
            break;
        case EditorKey::Left:
        case EditorKey::Right:
            if (editBox) {
                return std::nullopt;
            }
            target.column += key == EditorKey::Left ? -1 : 1;
            break;
        default:
            return std::nullopt;
    }
    if (target.column > kBusyLockColumn && target.row < kFrRow) {
        target = {target.row + 1, kRxColumn};
    } else if (target.column < kRxColumn && target.row > kFirstChannelRow) {
        target = {target.row - 1, kBusyLockColumn};
    }
    return isChannelCell(target) ? target : current;
}

HelpContext helpContext(ControlId<ProgramWindow> focusedControlId, int currentColumn) {
    if (focusedControlId == kFrequencyEditorId) {
        return currentColumn == kTxColumn ? kTxFrequencyHelp : kRxFrequencyHelp;
    }
    if (focusedControlId == kToneListId) {
        return currentColumn == kEncodeToneColumn ? kEncodeToneHelp : kDecodeToneHelp;
    }
    return focusedControlId;
}

}  // namespace kw
