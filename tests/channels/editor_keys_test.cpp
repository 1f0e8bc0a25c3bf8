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
        {EditorKey::Other, kSwallow, kSwallow},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frequencyEditorKeyAction(c.key, false), c.plain) << static_cast<int>(c.key);
        EXPECT_EQ(frequencyEditorKeyAction(c.key, true), c.shifted) << static_cast<int>(c.key);
    }
}

TEST(HelpContext, FrequencyAndToneEditorsNameTheirColumn) {
    struct Case {
        int focused;
        int column;
        int topic;
    };
    const Case cases[] = {
        {kFrequencyEditorId, kRxColumn, 2127},    {kFrequencyEditorId, kTxColumn, 2128},
        {kToneListId, kDecodeToneColumn, 2132},   {kToneListId, kEncodeToneColumn, 2133},
        {kNameEditorId, kNameColumn, 1126},       {kPowerListId, kPowerColumn, 1129},
        {kBusyLockListId, kBusyLockColumn, 1130}, {1022, kRxColumn, 1022},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(helpContext(c.focused, c.column), c.topic) << c.focused << ' ' << c.column;
    }
}

}  // namespace
}  // namespace kw
