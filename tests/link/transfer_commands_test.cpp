#include "link/transfer_commands.h"

#include <gtest/gtest.h>

#include "res/command_ids.h"
#include "support/fake_sleeper.h"
#include "support/recording_observer.h"
#include "support/scripted_port.h"
#include "support/scripted_radio.h"

namespace kw {
namespace {

// Writes down each conversion and whether the port was open or used at that moment.
class GridRecorder final : public GridSync {
  public:
    explicit GridRecorder(const test::ScriptedPort& port) : port_(port) {}

    void cellCommit() override { log.push_back("cell commit" + portState()); }
    void gridCommit() override {
        log.push_back("grid commit" + portState());
        if (onGridCommit) {
            onGridCommit();
        }
    }
    void refill() override { log.push_back("refill" + portState()); }

    std::vector<std::string> log;
    std::function<void()> onGridCommit;

  private:
    std::string portState() const {
        return port_.isOpen() ? " (port open)" : port_.sent().empty() ? "" : " (after)";
    }
    const test::ScriptedPort& port_;
};

struct TransferRig {
    TransferRig() : port([this](std::span<const std::uint8_t> w) { return radio(w); }) {
        image.fill(0xFF);
        image[kModelType] = 1;
    }

    TransferResult transfer() {
        ProgrammingSession session(port, observer, sleeper);
        return commands.onTransfer(grid, session, image, "COM2");
    }

    test::ScriptedRadio radio{1};
    test::ScriptedPort port;
    GridRecorder grid{port};
    test::RecordingObserver observer;
    test::FakeSleeper sleeper;
    TransferCommands commands;
    RadioImage image{};
};

TEST(TransferCommands, ReadOffersTheWindowWithTheReadTitle) {
    TransferCommands commands;
    EXPECT_TRUE(commands.onRead());
    EXPECT_EQ(commands.state(), ProcessWindowState::Offered);
    EXPECT_EQ(commands.direction(), TransferDirection::Read);
    EXPECT_EQ(commands.title(), BuiltInText::ReadDataTitle);
}

TEST(TransferCommands, WriteTakesTheEditedValueEvenWhenTheWindowIsOpen) {
    TransferRig rig;
    EXPECT_TRUE(rig.commands.onRead());
    EXPECT_FALSE(rig.commands.onWrite(rig.grid));
    EXPECT_EQ(rig.grid.log, std::vector<std::string>{"cell commit"});
    // The Read's window stays as it was; Start then reads.
    EXPECT_EQ(rig.commands.direction(), TransferDirection::Read);
    EXPECT_EQ(rig.commands.title(), BuiltInText::ReadDataTitle);
}

TEST(TransferCommands, CancelBeforeStartClosesTheWindowAndNothingIsOpened) {
    TransferRig rig;
    ASSERT_TRUE(rig.commands.onWrite(rig.grid));
    EXPECT_TRUE(rig.commands.cancel());
    EXPECT_EQ(rig.commands.state(), ProcessWindowState::Absent);
    EXPECT_FALSE(rig.commands.start());
    EXPECT_TRUE(rig.port.openedNames().empty());
}

TEST(TransferCommands, CancelDuringTheTransferOnlySetsTheFlag) {
    TransferCommands commands;
    ASSERT_TRUE(commands.onRead());
    ASSERT_TRUE(commands.start());
    EXPECT_FALSE(commands.start());  // Start is disabled once pressed
    EXPECT_FALSE(commands.cancel());
    EXPECT_EQ(commands.state(), ProcessWindowState::Running);
    EXPECT_TRUE(commands.cancelRequested());
}

TEST(TransferCommands, ReadCommitsFirstAndRefillsAfterwards) {
    TransferRig rig;
    ASSERT_TRUE(rig.commands.onRead());
    ASSERT_TRUE(rig.commands.start());
    EXPECT_EQ(rig.transfer().outcome, TransferOutcome::Done);
    EXPECT_EQ(rig.grid.log,
              (std::vector<std::string>{"cell commit", "grid commit", "refill (after)"}));
    EXPECT_EQ(rig.port.openedNames(), std::vector<std::string>{"COM2"});
    EXPECT_EQ(rig.commands.state(), ProcessWindowState::Absent);
}

TEST(TransferCommands, NoRefillAfterAWriteOrAFailedRead) {
    TransferRig write;
    ASSERT_TRUE(write.commands.onWrite(write.grid));
    ASSERT_TRUE(write.commands.start());
    EXPECT_EQ(write.transfer().outcome, TransferOutcome::Done);
    EXPECT_EQ(write.grid.log,
              (std::vector<std::string>{"cell commit", "cell commit", "grid commit"}));

    TransferRig read;
    read.radio.memory[0x0FE2] = '7';  // a password the document lacks
    ASSERT_TRUE(read.commands.onRead());
    ASSERT_TRUE(read.commands.start());
    EXPECT_EQ(read.transfer().outcome, TransferOutcome::Failed);
    EXPECT_EQ(read.grid.log, (std::vector<std::string>{"cell commit", "grid commit"}));
    EXPECT_EQ(read.commands.state(), ProcessWindowState::Absent);
}

// The session works on a copy taken after the commits; only a completed Read's copy
// becomes the document.
TEST(TransferCommands, OnlyACompletedReadsImageBecomesTheDocument) {
    struct Case {
        TransferDirection direction;
        TransferOutcome outcome;
        bool taken;
    };
    for (const Case& c : {Case{TransferDirection::Read, TransferOutcome::Done, true},
                          Case{TransferDirection::Read, TransferOutcome::Failed, false},
                          Case{TransferDirection::Read, TransferOutcome::Cancelled, false},
                          Case{TransferDirection::Write, TransferOutcome::Done, false}}) {
        TransferRig rig;
        ASSERT_TRUE(c.direction == TransferDirection::Read ? rig.commands.onRead()
                                                           : rig.commands.onWrite(rig.grid));
        ASSERT_TRUE(rig.commands.start());
        rig.grid.onGridCommit = [&] { rig.image[0] = 0x42; };
        RadioImage transferred = rig.commands.beginTransfer(rig.grid, rig.image);
        EXPECT_EQ(transferred[0], 0x42);
        transferred[1] = 0x43;
        rig.commands.endTransfer(rig.grid, {c.outcome, {}}, transferred, rig.image);
        EXPECT_EQ(rig.image[1] == 0x43, c.taken);
        EXPECT_EQ(rig.grid.log.back() == "refill", c.taken);
        EXPECT_EQ(rig.commands.state(), ProcessWindowState::Absent);
    }
}

TEST(TransferCommands, WhileTheWindowExistsOnlyHarmlessCommandsRun) {
    TransferCommands commands;
    constexpr CommandId kFileSave{57603};
    constexpr CommandId kFileClose{57602};
    constexpr CommandId kProductInformation{32786};
    EXPECT_TRUE(commands.commandAllowed(kFileSave));
    EXPECT_TRUE(commands.gridEditAllowed());

    ASSERT_TRUE(commands.onRead());
    for (const CommandId refused :
         {kFileSave, kFileClose, kProductInformation, command::kRead, command::kWrite}) {
        EXPECT_FALSE(commands.commandAllowed(refused)) << numberOf(refused);
    }
    EXPECT_TRUE(commands.commandAllowed(command::kControlBar));
    EXPECT_TRUE(commands.commandAllowed(command::kHelpTopics));
    EXPECT_FALSE(commands.gridEditAllowed());

    ASSERT_TRUE(commands.cancel());
    EXPECT_TRUE(commands.commandAllowed(kFileSave));
}

}  // namespace
}  // namespace kw
