#include <gtest/gtest.h>

#include <array>

#include "channels/grid_clipboard.h"

namespace kw {
namespace {

constexpr std::string_view kChannel2 =
    "146.52000\t146.52000\t88.5\tNone\tCALL\tHigh\tWide\tYes\tOff\n";
constexpr std::string_view kChannel3 =
    "147.00000\t147.60000\tNone\tD023N\t\tLow\tNarrow\tNo\tCarrier\n";

ChannelGrid gridWithTwoChannels() {
    ChannelGrid grid(Language::English);
    const TsvBlock rows = parseTsv(std::string(kChannel2) + std::string(kChannel3));
    for (int row = 2; row <= 3; ++row) {
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            grid.setText({row, column}, rows[static_cast<std::size_t>(row - 2)]
                                            [static_cast<std::size_t>(column - kRxColumn)]);
        }
    }
    return grid;
}

TEST(GridClipboard, CopiesRangesAndRowsAsTabSeparatedLines) {
    const ChannelGrid grid = gridWithTwoChannels();
    const std::array rows{3, 1, 2};
    EXPECT_EQ(rowsAsTsv(grid, rows),
              std::string(kChannel3) + "\t\t\t\t\t\t\t\t\n" + std::string(kChannel2));
    EXPECT_EQ(cellsAsTsv(grid, {{2, kNameColumn}, {3, kWidthColumn}}),
              "CALL\tHigh\tWide\n\tLow\tNarrow\n");
}

TEST(GridClipboard, ReadsSpreadsheetTextWithCarriageReturnsAndBlanks) {
    EXPECT_EQ(parseTsv("a\t b \r\n\tc\n"), (TsvBlock{{"a", "b"}, {"", "c"}}));
    EXPECT_EQ(parseTsv("last"), (TsvBlock{{"last"}}));
    EXPECT_EQ(parseTsv(""), TsvBlock{});
}

TEST(GridClipboard, PastedRowsRoundTripIntoOtherRows) {
    const ChannelGrid source = gridWithTwoChannels();
    const std::array rows{2, 3};
    ChannelGrid target(Language::English);
    target.setCurrent({7, kNameColumn});
    const PasteResult pasted = pasteCells(target, {10, kRxColumn},
                                          parseTsv(rowsAsTsv(source, rows)), {}, Language::English);
    EXPECT_TRUE(pasted.refused.empty());
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        EXPECT_EQ(pasted.grid.text(10, column), source.text(2, column)) << column;
        EXPECT_EQ(pasted.grid.text(11, column), source.text(3, column)) << column;
    }
    EXPECT_EQ(pasted.grid.current(), (GridCell{7, kNameColumn}));
}

TEST(GridClipboard, RefusesWhatTypingRefusesAndKeepsTheRest) {
    struct Case {
        const char* text;
        GridCell at;
        std::vector<RefusedCell> refused;
        GridCell landed;  // a cell of the text that still took its value
        const char* landedText;
    };
    const std::vector<Case> cases{
        {"200\t146.00000\n",
         {2, kRxColumn},
         {{{2, kRxColumn}, "200", "Out of range, please input again."}},
         {2, kTxColumn},
         "146.00000"},
        {"Loud\tNarrow\n",
         {2, kPowerColumn},
         {{{2, kPowerColumn}, "Loud", "not one of the column's choices"}},
         {2, kWidthColumn},
         "Narrow"},
        {"X1\nX2\n",
         {3, kNameColumn},
         {{{4, kNameColumn}, "X2", "the row has no channel: give its Rx frequency first"}},
         {3, kNameColumn},
         "X1"},
        {"Yes\tOff\tExtra\n",
         {3, kScanAddColumn},
         {{{3, kBusyLockColumn + 1}, "Extra", "beyond the channel table"}},
         {3, kScanAddColumn},
         "Yes"},
        {"146.00000\n2\n",
         {kFrRow, kRxColumn},
         {{{kFrRow + 1, kRxColumn}, "2", "beyond the channel table"}},
         {kFrRow, kRxColumn},
         "146.00000"},
    };
    for (const Case& c : cases) {
        const PasteResult pasted =
            pasteCells(gridWithTwoChannels(), c.at, parseTsv(c.text), {}, Language::English);
        ASSERT_EQ(pasted.refused.size(), c.refused.size()) << c.text;
        for (std::size_t i = 0; i < c.refused.size(); ++i) {
            EXPECT_EQ(pasted.refused[i].cell, c.refused[i].cell) << c.text;
            EXPECT_EQ(pasted.refused[i].value, c.refused[i].value) << c.text;
            EXPECT_EQ(pasted.refused[i].reason, c.refused[i].reason) << c.text;
        }
        EXPECT_EQ(pasted.grid.text(c.landed), c.landedText) << c.text;
    }
}

TEST(GridClipboard, ListsRefusedCellsUpToALimit) {
    const std::vector<RefusedCell> refused{{{5, kPowerColumn}, "Loud", "no"},
                                           {{6, kPowerColumn}, "Soft", "no"},
                                           {{kFrRow, kNameColumn}, "", "no"}};
    EXPECT_EQ(refusedCellsList(refused, Language::English, 2),
              "5:6 \"Loud\": no\n6:6 \"Soft\": no\n... and 1 more\n");
    EXPECT_EQ(refusedCellsList(std::span(refused).last(1), Language::Chinese, 2),
              "Fr:5 \"\": no\n");
}

TEST(GridClipboard, CutEmptiesWhatTypingMayEmpty) {
    const ChannelGrid cut =
        clearedCells(gridWithTwoChannels(), {{2, kNameColumn}, {3, kRxColumn + 8}}, {});
    EXPECT_EQ(cut.text(2, kNameColumn), "");
    EXPECT_EQ(cut.text(2, kPowerColumn), "High");
    const ChannelGrid rows =
        clearedCells(gridWithTwoChannels(), {{2, kRxColumn}, {2, kBusyLockColumn}}, {});
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        EXPECT_EQ(rows.text(2, column), "") << column;
    }
    EXPECT_EQ(rows.text(3, kRxColumn), "147.00000");
}

}  // namespace
}  // namespace kw
