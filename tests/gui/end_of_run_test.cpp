#include <gtest/gtest.h>

#include "app/main_frame.h"
#include "gui_support.h"
#include "platform/settings_store.h"

namespace kw::test {
namespace {

using Band = std::array<std::uint8_t, 6>;

struct StoredCase {
    std::optional<Band> field;
    std::optional<std::uint32_t> type;
    Band bandDuringRun;
    std::uint8_t typeDuringRun;
    Band writtenField;
    std::uint32_t writtenType;
};

class EndOfRun : public testing::TestWithParam<StoredCase> {};

TEST_P(EndOfRun, RestoresAndWritesBandAndModel) {
    const StoredCase& c = GetParam();
    ProgramDir dir;
    const SettingsStore store(dir.settingsFile());
    if (c.field) {
        ASSERT_TRUE(store.write(settings::kField, *c.field));
    }
    if (c.type) {
        ASSERT_TRUE(store.write(settings::kType, *c.type));
    }
    {
        RunningProgram run(dir);
        ASSERT_TRUE(run.start());
        EXPECT_EQ(run.program.product().storedBand, c.bandDuringRun);
        EXPECT_EQ(run.program.product().storedModelType, c.typeDuringRun);
        run.program.exitInstance();
    }
    EXPECT_EQ(store.read(settings::kField), c.writtenField);
    EXPECT_EQ(store.read(settings::kType), c.writtenType);
}

constexpr Band kZero{};
constexpr Band kVhf{0x13, 0x17, 0x64, 0x13, 0x17, 0x64};  // 136-174 MHz
constexpr Band kUhf{0x40, 0x52, 0x00, 0x40, 0x52, 0x00};  // 400-520 MHz
constexpr Band kErased{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
constexpr Band kNarrow{0x14, 0x17, 0x00, 0x14, 0x17, 0x00};  // 140-170 MHz

INSTANTIATE_TEST_SUITE_P(
    Values, EndOfRun,
    testing::Values(
        // The first run: nothing stored.
        StoredCase{std::nullopt, std::nullopt, kVhf, 1, kVhf, 1},
        StoredCase{kNarrow, 1, kNarrow, 1, kNarrow, 1},
        // No band stored yet for the second model: its own band, not the first's.
        StoredCase{std::nullopt, 2, kUhf, 2, kUhf, 2}, StoredCase{kErased, 2, kUhf, 2, kUhf, 2},
        // Type 0 and 3 are no model during the run (the new document says so) and are
        // written back as 1.
        StoredCase{kZero, 0, kZero, 0, kVhf, 1}, StoredCase{kNarrow, 3, kNarrow, 0, kNarrow, 1},
        // Only the low byte of Type counts.
        StoredCase{kUhf, 0x0102, kUhf, 2, kUhf, 2}));

TEST(EndOfRunFolder, AnAppNameThatCouldLeaveTheFolderUsesTheDefault) {
    ProgramDir dir(programIni("Language=English\r\nAppName=../elsewhere\r\n"));
    {
        RunningProgram run(dir);
        ASSERT_TRUE(run.start());
        run.program.exitInstance();
    }
    const SettingsStore store(dir.settingsFile(std::string(app::CProgramApp::kDefaultAppName)));
    EXPECT_EQ(store.read(settings::kType), 1u);
}

}  // namespace
}  // namespace kw::test
