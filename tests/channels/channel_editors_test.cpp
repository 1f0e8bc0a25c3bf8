#include <gtest/gtest.h>

#include "channels/channel_editors.h"

namespace kw {
namespace {

using Row = std::vector<std::string>;
const Row kEmptyRow(9);
const Row kChannel{"145.00000", "146.00000", "88.5", "D023N",  "CH",
                   "Low",       "Narrow",    "No",   "Carrier"};
const Row kNewChannel{"145.50000", "145.50000", "None", "None", "", "High", "Wide", "Yes", "Off"};

struct Editing {
    explicit Editing(Language language = Language::English) : grid(language), editors(language) {}

    void fillRow(int row, const Row& cells) {
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            grid.setText({row, column}, cells[static_cast<std::size_t>(column - 1)]);
        }
    }
    Row row(int row) const {
        Row texts;
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            texts.push_back(grid.text(row, column));
        }
        return texts;
    }
    // Enter cell: the editor shows over the cell.
    InPlaceEditor& enter(GridCell cell) {
        grid.setCurrent(cell);
        editors.showEditor(grid);
        return editors.current(grid);
    }
    CellCommitOutcome typeAndLeave(GridCell cell, const std::string& text) {
        enter(cell).type(text);
        return editors.commitCell(grid, product);
    }

    ChannelGrid grid;
    ChannelEditors editors;
    ProductState product;
};

TEST(ChannelEditors, SevenEditorsWithTheirIdsKindsLimitsAndItems) {
    struct Case {
        int column;
        int id;
        EditorKind kind;
        int maxLength;
        Row english;
        Row chinese;
    };
    const Case cases[] = {
        {kRxColumn, 1127, EditorKind::EditBox, 9, {}, {}},
        {kTxColumn, 1127, EditorKind::EditBox, 9, {}, {}},
        {kNameColumn, 1126, EditorKind::EditBox, 7, {}, {}},
        {kPowerColumn, 1129, EditorKind::DropDownList, 0, {"Low", "High"}, {"低", "高"}},
        {kWidthColumn, 1128, EditorKind::DropDownList, 0, {"Wide", "Narrow"}, {"宽", "窄"}},
        {kScanAddColumn, 1134, EditorKind::DropDownList, 0, {"Yes", "No"}, {"是", "否"}},
        {kBusyLockColumn,
         1130,
         EditorKind::DropDownList,
         0,
         {"Off", "Carrier", "QT/DQT"},
         {"关", "载波", "QT/DQT"}},
    };
    const ChannelEditors english(Language::English);
    const ChannelEditors chinese(Language::Chinese);
    EXPECT_EQ(english.all().size(), 7u);
    for (const Case& c : cases) {
        const InPlaceEditor& editor = english.forColumn(c.column);
        EXPECT_EQ(editor.controlId().number(), c.id);
        EXPECT_EQ(editor.kind(), c.kind);
        EXPECT_FALSE(editor.visible());
        if (c.kind == EditorKind::EditBox) {
            EXPECT_EQ(editor.maxLength(), c.maxLength);
        } else {
            EXPECT_EQ(editor.items(), c.english);
            EXPECT_EQ(chinese.forColumn(c.column).items(), c.chinese);
        }
    }
    for (const int column : {kDecodeToneColumn, kEncodeToneColumn}) {
        EXPECT_EQ(english.forColumn(column).controlId(), kToneListId);
        EXPECT_EQ(english.forColumn(column).items().size(), 261u);
        EXPECT_EQ(chinese.forColumn(column).items()[0], "无");
    }
}

TEST(ShowEditor, ListsSelectTheFirstItemBeginningWithTheCellTextIgnoringCase) {
    struct Case {
        int column;
        const char* cell;
        int selected;
    };
    const Case cases[] = {
        {kDecodeToneColumn, "88.5", 9}, {kDecodeToneColumn, "D023I", 156},
        {kDecodeToneColumn, "1", 13},   {kDecodeToneColumn, "123.4", 0},
        {kDecodeToneColumn, "", 0},     {kEncodeToneColumn, "d754n", 155},
        {kPowerColumn, "High", 1},      {kPowerColumn, "h", 1},
        {kPowerColumn, "Medium", 0},    {kBusyLockColumn, "QT/DQT", 2},
    };
    for (const Case& c : cases) {
        Editing editing;
        editing.grid.setText({3, c.column}, c.cell);
        const InPlaceEditor& editor = editing.enter({3, c.column});
        EXPECT_TRUE(editor.visible());
        EXPECT_FALSE(editor.edited());
        EXPECT_EQ(editor.selectedIndex(), c.selected) << c.cell;
    }
    Editing editing;
    editing.grid.setText({3, kNameColumn}, "ABCDEFGH");
    EXPECT_EQ(editing.enter({3, kNameColumn}).text(), "ABCDEFGH");
}

TEST(CellCommit, RxColumnBranches) {
    struct Case {
        const char* name;
        Row before;
        const char* typed;
        CellCommitStatus status;
        std::optional<MessageId> message;
        Row after;
    };
    Row changedRx = kChannel;
    changedRx[0] = "145.50000";
    const Case cases[] = {
        {"first frequency makes a channel", kEmptyRow, "145.5", CellCommitStatus::Committed,
         std::nullopt, kNewChannel},
        {"new Rx keeps the Tx", kChannel, "145.5", CellCommitStatus::Committed, std::nullopt,
         changedRx},
        {"empty entry deletes", kChannel, "", CellCommitStatus::Committed, std::nullopt, kEmptyRow},
        {"below 67 MHz", kChannel, "50", CellCommitStatus::Rejected, MessageId::ErrorDataFormat,
         kChannel},
        {"letters", kChannel, "abc", CellCommitStatus::Rejected, MessageId::ErrorDataFormat,
         kChannel},
        {"overflow", kChannel, "999999999", CellCommitStatus::Rejected, MessageId::ErrorDataFormat,
         kChannel},
        {"off the raster keeps the row", kChannel, "145.003", CellCommitStatus::Rejected,
         MessageId::ErrorStepValue, kChannel},
        {"off the raster, empty row", kEmptyRow, "145.003", CellCommitStatus::Rejected,
         MessageId::ErrorStepValue, kEmptyRow},
        {"out of band", kChannel, "180", CellCommitStatus::Rejected, MessageId::OutOfRange,
         kChannel},
        // Only what the key filter lets through: digits and one ".".
        {"two points", kChannel, "..5", CellCommitStatus::Rejected, MessageId::ErrorDataFormat,
         kChannel},
        {"comma", kChannel, "146,5", CellCommitStatus::Rejected, MessageId::ErrorDataFormat,
         kChannel},
        {"hexadecimal", kEmptyRow, "0x92", CellCommitStatus::Rejected, MessageId::ErrorDataFormat,
         kEmptyRow},
        {"unit", kChannel, "146.5MHz", CellCommitStatus::Rejected, MessageId::ErrorDataFormat,
         kChannel},
        {"equals sign", kChannel, "146=5", CellCommitStatus::Rejected, MessageId::ErrorDataFormat,
         kChannel},
    };
    for (const Case& c : cases) {
        Editing editing;
        editing.fillRow(7, c.before);
        const CellCommitOutcome outcome = editing.typeAndLeave({7, kRxColumn}, c.typed);
        EXPECT_EQ(outcome.status, c.status) << c.name;
        EXPECT_EQ(outcome.message, c.message) << c.name;
        EXPECT_EQ(editing.row(7), c.after) << c.name;
        const InPlaceEditor& editor = editing.editors.forColumn(kRxColumn);
        // A rejected entry stays in its editor for the user to correct.
        EXPECT_EQ(editor.visible(), outcome.rejected()) << c.name;
        if (outcome.rejected()) {
            EXPECT_EQ(editor.text(), c.typed);
        }
    }
}

TEST(CellCommit, NewChannelDefaultsInChinese) {
    Editing editing(Language::Chinese);
    EXPECT_EQ(editing.typeAndLeave({1, kRxColumn}, "145.5").status, CellCommitStatus::Committed);
    EXPECT_EQ(editing.row(1),
              (Row{"145.50000", "145.50000", "无", "无", "", "高", "宽", "是", "关"}));
}

// A typeable Tx is coerced into the band, and a coercion is reported; an untypeable one
// is refused like an Rx.
TEST(CellCommit, TxColumnIsCoercedAndTheChangeReported) {
    struct Case {
        Row before;
        const char* typed;
        const char* tx;
        CellCommitStatus status;
        bool changed;
    };
    const Case cases[] = {
        {kChannel, "145.123", "145.12300", CellCommitStatus::Committed, false},
        {kChannel, "180", "136.00000", CellCommitStatus::Committed, true},
        {kChannel, "", "136.00000", CellCommitStatus::Committed, true},
        {kChannel, "999999999", "136.00000", CellCommitStatus::Committed, true},
        {kEmptyRow, "145.6", "", CellCommitStatus::Unchanged, false},
    };
    for (const Case& c : cases) {
        Editing editing;
        editing.fillRow(2, c.before);
        const CellCommitOutcome outcome = editing.typeAndLeave({2, kTxColumn}, c.typed);
        EXPECT_EQ(outcome.status, c.status) << c.typed;
        EXPECT_FALSE(outcome.message);
        EXPECT_EQ(editing.grid.text(2, kTxColumn), c.tx) << c.typed;
        EXPECT_EQ(editing.grid.text(2, kRxColumn), c.before[0]);
        EXPECT_FALSE(editing.editors.forColumn(kTxColumn).visible());
        ASSERT_EQ(outcome.changed.has_value(), c.changed) << c.typed;
        if (c.changed) {
            EXPECT_EQ(outcome.changed->cell, (GridCell{2, kTxColumn}));
            EXPECT_EQ(outcome.changed->given, c.typed);
            EXPECT_EQ(outcome.changed->stored, c.tx);
        }
    }
    for (const char* untypeable : {"..5", "146,5", "600MHz"}) {
        Editing editing;
        editing.fillRow(2, kChannel);
        const CellCommitOutcome outcome = editing.typeAndLeave({2, kTxColumn}, untypeable);
        EXPECT_EQ(outcome.message, MessageId::ErrorDataFormat) << untypeable;
        EXPECT_EQ(editing.row(2), kChannel) << untypeable;
    }
}

TEST(CellCommit, OtherColumnsTakeTheEditorsTextOnlyInAChannel) {
    struct Case {
        Row before;
        int column;
        const char* value;
        CellCommitStatus status;
        const char* cell;
    };
    const Case cases[] = {
        {kChannel, kDecodeToneColumn, "D754I", CellCommitStatus::Committed, "D754I"},
        {kChannel, kNameColumn, "ABC", CellCommitStatus::Committed, "ABC"},
        {kChannel, kNameColumn, "信道名字", CellCommitStatus::Committed, "信道名字"},
        {kChannel, kNameColumn, "ABCDEFGHI", CellCommitStatus::Rejected, "CH"},
        {kChannel, kNameColumn, "ABCDEFG信", CellCommitStatus::Rejected, "CH"},
        {kChannel, kPowerColumn, "High", CellCommitStatus::Committed, "High"},
        {kChannel, kBusyLockColumn, "QT/DQT", CellCommitStatus::Committed, "QT/DQT"},
        {kEmptyRow, kPowerColumn, "High", CellCommitStatus::Unchanged, ""},
        {kEmptyRow, kEncodeToneColumn, "88.5", CellCommitStatus::Unchanged, ""},
        {kEmptyRow, kNameColumn, "ABC", CellCommitStatus::Unchanged, ""},
    };
    for (const Case& c : cases) {
        Editing editing;
        editing.fillRow(4, c.before);
        InPlaceEditor& editor = editing.enter({4, c.column});
        if (editor.kind() == EditorKind::EditBox) {
            editor.type(c.value);
        } else {
            editor.pick(editor.itemIndex(c.value).value());
        }
        const CellCommitOutcome outcome = editing.editors.commitCell(editing.grid, editing.product);
        EXPECT_EQ(outcome.status, c.status) << c.value;
        EXPECT_EQ(editing.grid.text(4, c.column), c.cell) << c.value;
        if (outcome.rejected()) {
            EXPECT_EQ(outcome.nameProblem, BuiltInText::ChannelNameTooLong);
            EXPECT_TRUE(editor.visible());
        }
    }
}

// Moving through the grid must not change data the editors cannot show.
TEST(CellCommit, AVisitWithoutAnEditChangesNothing) {
    Row unusual = kChannel;
    unusual[2] = "123.4";
    unusual[3] = "D777I";
    unusual[4] = "ABCDEFGH";
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        Editing editing;
        editing.fillRow(9, unusual);
        editing.enter({9, column});
        const CellCommitOutcome outcome = editing.editors.commitCell(editing.grid, editing.product);
        EXPECT_EQ(outcome.status, CellCommitStatus::Unchanged) << column;
        EXPECT_EQ(editing.row(9), unusual) << column;
        EXPECT_FALSE(editing.editors.forColumn(column).visible());
    }
}

// Only a change of a record's bytes is an edit of the document.
TEST(CellCommit, AnEditThatLeavesTheRecordsBytesIsNoCommit) {
    struct Case {
        Row before;
        int column;
        const char* value;
        CellCommitStatus status;
    };
    const Case cases[] = {
        {kEmptyRow, kRxColumn, "", CellCommitStatus::Unchanged},
        {kEmptyRow, kNameColumn, "", CellCommitStatus::Unchanged},
        {kEmptyRow, kScanAddColumn, "No", CellCommitStatus::Unchanged},
        {kChannel, kRxColumn, "145", CellCommitStatus::Unchanged},
        {kChannel, kTxColumn, "146.000", CellCommitStatus::Unchanged},
        {kChannel, kNameColumn, "CH", CellCommitStatus::Unchanged},
        {kChannel, kPowerColumn, "Low", CellCommitStatus::Unchanged},
        {kChannel, kPowerColumn, "High", CellCommitStatus::Committed},
        {kChannel, kNameColumn, "CH1", CellCommitStatus::Committed},
        {kChannel, kRxColumn, "", CellCommitStatus::Committed},
    };
    for (const Case& c : cases) {
        Editing editing;
        editing.fillRow(8, c.before);
        InPlaceEditor& editor = editing.enter({8, c.column});
        if (editor.kind() == EditorKind::EditBox) {
            editor.type(c.value);
        } else {
            editor.pick(editor.itemIndex(c.value).value());
        }
        const CellCommitOutcome outcome = editing.editors.commitCell(editing.grid, editing.product);
        EXPECT_EQ(outcome.status, c.status) << c.column << ' ' << c.value;
        EXPECT_FALSE(editor.visible());
    }
}

TEST(CellCommit, AHiddenEditorIsNotTakenIntoTheGrid) {
    Editing editing;
    editing.fillRow(5, kChannel);
    editing.enter({5, kRxColumn}).type("150");
    editing.editors.hideAll();
    EXPECT_EQ(editing.editors.commitCell(editing.grid, editing.product).status,
              CellCommitStatus::Unchanged);
    EXPECT_EQ(editing.row(5), kChannel);
    // Clicking the cell shows the editor again with the cell's text.
    EXPECT_EQ(editing.enter({5, kRxColumn}).text(), "145.00000");
}

TEST(CellCommitByEnter, ARejectionEmptiesTheEditorWhichThenCountsAsNotEdited) {
    struct Case {
        const char* typed;
        std::optional<MessageId> message;
    };
    const Case cases[] = {{"50", MessageId::ErrorDataFormat},
                          {"145.003", MessageId::ErrorStepValue},
                          {"180", MessageId::OutOfRange}};
    for (const Case& c : cases) {
        Editing editing;
        editing.fillRow(6, kChannel);
        InPlaceEditor& editor = editing.enter({6, kRxColumn});
        editor.type(c.typed);
        const EnterOutcome outcome =
            editing.editors.commitCellByEnter(editing.grid, editing.product);
        EXPECT_TRUE(outcome.commit.rejected());
        EXPECT_EQ(outcome.commit.message, c.message);
        EXPECT_TRUE(outcome.keyToEditor);
        EXPECT_TRUE(editor.visible());
        EXPECT_EQ(editor.text(), "");
        EXPECT_FALSE(editor.edited());
        EXPECT_EQ(editing.row(6), kChannel);
        // Moving away from the emptied editor must not delete the channel.
        EXPECT_EQ(editing.editors.commitCell(editing.grid, editing.product).status,
                  CellCommitStatus::Unchanged);
        EXPECT_EQ(editing.row(6), kChannel) << c.typed;
    }
}

TEST(CellCommitByEnter, AcceptedOrEmptyEntriesCommitAndTheKeyGoesToTheForm) {
    struct Case {
        Row before;
        const char* typed;
        Row after;
    };
    Row changedRx = kChannel;
    changedRx[0] = "145.50000";
    const Case cases[] = {{kEmptyRow, "145.5", kNewChannel},
                          {kChannel, "145.5", changedRx},
                          {kChannel, "", kEmptyRow}};
    for (const Case& c : cases) {
        Editing editing;
        editing.fillRow(6, c.before);
        editing.enter({6, kRxColumn}).type(c.typed);
        const EnterOutcome outcome =
            editing.editors.commitCellByEnter(editing.grid, editing.product);
        EXPECT_EQ(outcome.commit.status, CellCommitStatus::Committed);
        EXPECT_FALSE(outcome.keyToEditor);
        EXPECT_FALSE(editing.editors.forColumn(kRxColumn).visible());
        EXPECT_EQ(editing.row(6), c.after) << c.typed;
    }
}

TEST(CellCommit, RejectionTextsInBothLanguages) {
    Editing editing;
    editing.fillRow(1, kChannel);
    const CellCommitOutcome raster = editing.typeAndLeave({1, kRxColumn}, "145.003");
    EXPECT_EQ(rejectionText(raster, Language::English),
              "Error data Value, please input according the step value(6.25K/5k).");
    EXPECT_FALSE(rejectionText(raster, Language::Chinese).empty());
    EXPECT_EQ(rejectionText(CellCommitOutcome{}, Language::English), "");
}

}  // namespace
}  // namespace kw
