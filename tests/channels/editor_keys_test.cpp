#include <gtest/gtest.h>

#include "channels/channel_editors.h"
#include "channels/editor_keys.h"

namespace kw {
namespace {

TEST(FrequencyEditorKeys, DigitsPointAndEditingKeysPassShiftedKeysAndOthersAreSwallowed) {
    struct Case {
        EditorKey key;
        KeyAction plain;
        KeyAction shifted;
    };
    constexpr auto kPass = KeyAction::PassToEditor;
    constexpr auto kSwallow = KeyAction::Swallow;
    const Case cases[] = {
        {EditorKey::Backspace, kPass, kPass},
        {EditorKey::Delete, kPass, kPass},
        {EditorKey::Left, kPass, kPass},
        {EditorKey::Right, kPass, kPass},
        {EditorKey::Up, kPass, kPass},
        {EditorKey::Down, kPass, kPass},
        {EditorKey::KeypadDigit, kPass, kPass},
        {EditorKey::KeypadDecimal, kPass, kPass},
        {EditorKey::Digit, kPass, kSwallow},
        {EditorKey::Period, kPass, kSwallow},
        {EditorKey::Enter, KeyAction::CommitCell, KeyAction::CommitCell},
        {EditorKey::F1, kSwallow, kSwallow},
        {EditorKey::Tab, kSwallow, kSwallow},
        {EditorKey::BackTab, kSwallow, kSwallow},
        {EditorKey::Other, kSwallow, kSwallow},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frequencyEditorKeyAction(c.key, false), c.plain) << static_cast<int>(c.key);
        EXPECT_EQ(frequencyEditorKeyAction(c.key, true), c.shifted) << static_cast<int>(c.key);
    }
}

TEST(GridKeys, TabRunsOnAcrossRowsArrowsMoveByEditorKindAndEdgesHold) {
    struct Case {
        GridCell from;
        EditorKey key;
        EditorKind editor;
        std::optional<GridCell> to;
    };
    constexpr auto kBox = EditorKind::EditBox;
    constexpr auto kList = EditorKind::DropDownList;
    const Case cases[] = {
        {{5, kRxColumn}, EditorKey::Tab, kBox, GridCell{5, kTxColumn}},
        {{5, kBusyLockColumn}, EditorKey::Tab, kList, GridCell{6, kRxColumn}},
        {{kFrRow, kBusyLockColumn}, EditorKey::Tab, kList, GridCell{kFrRow, kBusyLockColumn}},
        {{5, kRxColumn}, EditorKey::BackTab, kBox, GridCell{4, kBusyLockColumn}},
        {{1, kRxColumn}, EditorKey::BackTab, kBox, GridCell{1, kRxColumn}},
        {{5, kNameColumn}, EditorKey::Up, kBox, GridCell{4, kNameColumn}},
        {{1, kNameColumn}, EditorKey::Up, kBox, GridCell{1, kNameColumn}},
        {{kFrRow, kRxColumn}, EditorKey::Down, kBox, GridCell{kFrRow, kRxColumn}},
        {{5, kPowerColumn}, EditorKey::Down, kList, std::nullopt},
        {{5, kNameColumn}, EditorKey::Left, kBox, std::nullopt},
        {{5, kPowerColumn}, EditorKey::Left, kList, GridCell{5, kNameColumn}},
        {{5, kBusyLockColumn}, EditorKey::Right, kList, GridCell{6, kRxColumn}},
        {{5, kDecodeToneColumn}, EditorKey::Digit, kList, std::nullopt},
        {{5, kRxColumn}, EditorKey::Enter, kBox, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cellAfterKey(c.from, c.key, c.editor), c.to)
            << c.from.row << "," << c.from.column << " key " << static_cast<int>(c.key);
    }
}

TEST(HelpContext, FrequencyAndToneEditorsNameTheirColumn) {
    struct Case {
        ControlId<ProgramWindow> focused;
        int column;
        int topic;
    };
    const Case cases[] = {
        {kFrequencyEditorId, kRxColumn, 2127},    {kFrequencyEditorId, kTxColumn, 2128},
        {kToneListId, kDecodeToneColumn, 2132},   {kToneListId, kEncodeToneColumn, 2133},
        {kNameEditorId, kNameColumn, 1126},       {kPowerListId, kPowerColumn, 1129},
        {kBusyLockListId, kBusyLockColumn, 1130}, {ControlId<ProgramWindow>{1022}, kRxColumn, 1022},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(helpContext(c.focused, c.column), HelpContext(c.topic, HelpWindow::Program))
            << c.focused.number() << ' ' << c.column;
    }
}

}  // namespace
}  // namespace kw
