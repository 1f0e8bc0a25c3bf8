#include <gtest/gtest.h>

#include "channels/grid_layout.h"
#include "channels/screen_scaling.h"

namespace kw {
namespace {

TEST(GridLayout, ColumnWidthsAreTruncatedMultiplesOfTheBaseWidth) {
    const int base = 1035;  // twips
    const int expected[] = {517, 1097, 1097, 1138, 1138, 1117, 724, 890, 828, 1086};
    for (int column = 0; column < kGridColumnCount; ++column) {
        EXPECT_EQ(columnWidth(column, base), expected[column]) << column;
    }
}

TEST(GridLayout, RowsShowRecordsAndOnlyChannelCellsAreEditable) {
    EXPECT_EQ(rowTitle(1), "1");
    EXPECT_EQ(rowTitle(128), "128");
    EXPECT_EQ(rowTitle(kFrRow), "Fr");
    EXPECT_EQ(recordOfRow(kFrRow), 128);
    EXPECT_TRUE(isChannelCell({1, kRxColumn}));
    EXPECT_TRUE(isChannelCell({kFrRow, kBusyLockColumn}));
    EXPECT_FALSE(isChannelCell({kTitleRow, kRxColumn}));
    EXPECT_FALSE(isChannelCell({5, kRowTitleColumn}));
    EXPECT_FALSE(isChannelCell({130, kRxColumn}));
    EXPECT_FALSE(isChannelCell({5, 10}));
}

TEST(ScreenScaling, InitialUpdateAndDisplayChangesScaleFromTheRecordedWidth) {
    struct Step {
        bool initial;
        int width;
        std::optional<float> factor;
        int recorded;
    };
    const Step steps[] = {
        {true, 1280, 1.25f, 1280}, {false, 1024, 0.8f, 1024},      {false, 800, std::nullopt, 1024},
        {false, 1536, 1.5f, 1536}, {true, 800, std::nullopt, 800}, {false, 1600, 2.0f, 1600},
        {true, 1024, 1.0f, 1024},
    };
    ScreenScaling scaling;
    for (const Step& step : steps) {
        const auto factor =
            step.initial ? scaling.initialUpdate(step.width) : scaling.displayChanged(step.width);
        EXPECT_EQ(factor, step.factor) << step.width;
        EXPECT_EQ(scaling.recordedWidth(), step.recorded) << step.width;
    }
    EXPECT_EQ(scaledSize(467, 1.25f), 583);
    EXPECT_EQ(scaledSize(583, 0.8f), 466);
}

}  // namespace
}  // namespace kw
