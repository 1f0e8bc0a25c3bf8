// The safe write over a scripted radio: the order of its steps, that nothing is written
// before the backup is safe and the question answered, and that a read-back catches a
// write the radio did not keep. The worker runs it off the test's thread.

#include "session/safe_write.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "model/radio_address.h"
#include "session/new_document.h"
#include "session/safe_write_worker.h"
#include "support/fake_sleeper.h"
#include "support/scripted_port.h"
#include "support/scripted_radio.h"
#include "support/shell_queue.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using Step = SafeWriteStep;

// A safe write's user that writes down the steps and what it was shown, and answers the
// changes question as told.
class StepRecorder final : public SafeWriteObserver {
  public:
    void setStatus(BuiltInText) override {}
    void setProgress(int) override {}
    bool cancelRequested() override { return false; }
    RetryAnswer askRetry(MessageId) override { return RetryAnswer::Cancel; }
    void showMessage(const TransferMessage& message) override { messages.push_back(message); }
    void beginStep(SafeWriteStep step) override { steps.push_back(step); }
    bool confirmChanges(const std::vector<ImageDifference>& shown) override {
        changes = shown;
        asked = true;
        return goOn;
    }

    bool goOn = true;
    bool asked = false;
    std::vector<Step> steps;
    std::vector<ImageDifference> changes;
    std::vector<TransferMessage> messages;
};

// What the radio is told to do wrong, over its own answers.
using Interference = std::function<std::optional<std::vector<std::uint8_t>>(
    std::span<const std::uint8_t> written, bool& dropNextData)>;

struct Rig {
    Rig() {
        ProductState product;
        fillNewDocumentImage(image, product);
        image[0] = 0x42;  // a byte the radio's pattern does not hold
        radio.interfere = [this](std::span<const std::uint8_t> written) {
            return interference ? interference(written, dropNextData) : std::nullopt;
        };
    }

    SafeWriteResult run(const SafeWriteOptions& options) {
        SafeWrite safeWrite(port, observer, sleeper);
        return safeWrite.run(image, "COM3", options,
                             {folder(), 365, [] { return LocalTime{2026, 12, 8, 9, 0, 0}; }});
    }
    std::string folder() const { return backupsFolder ? *backupsFolder : dir.file("backups"); }
    bool anyWriteFrameSent() const {
        // Read requests, ACKs and the wake-up never hold the "W" command byte.
        return std::count(port.sent().begin(), port.sent().end(), 0x57) > 0;
    }

    RadioImage image{};
    test::ScriptedRadio radio{1};
    test::ScriptedPort port{[this](std::span<const std::uint8_t> w) { return radio(w); }};
    StepRecorder observer;
    test::FakeSleeper sleeper;
    test::TempDir dir;
    std::optional<std::string> backupsFolder;
    Interference interference;
    bool dropNextData = false;
};

bool isRequest(std::span<const std::uint8_t> written, std::uint8_t command, std::uint16_t address) {
    return written.size() == 4 && written[0] == command && written[1] == (address >> 8) &&
           written[2] == (address & 0xFF);
}

// Acknowledges the write frame at `address` but keeps the radio's old bytes.
std::optional<std::vector<std::uint8_t>> dropWriteAtZero(std::span<const std::uint8_t> written,
                                                         bool& dropNextData) {
    if (isRequest(written, 0x57, 0x0000)) {
        dropNextData = true;
        return std::vector<std::uint8_t>{};
    }
    if (dropNextData && written.size() == 8) {
        dropNextData = false;
        return std::vector<std::uint8_t>{0x06};
    }
    return std::nullopt;
}

struct OrderCase {
    const char* name;
    std::function<void(Rig&)> setUp;
    SafeWriteOptions options;
    SafeWriteOutcome outcome;
    std::optional<Step> stoppedIn;
    std::vector<Step> steps;
    bool written;  // any write frame went to the radio
    bool backup;   // a backup file was saved
    bool asked;
};

SafeWriteOptions options(bool backup, bool verify, bool dryRun) {
    SafeWriteOptions chosen;
    chosen.backup = backup;
    chosen.verify = verify;
    chosen.dryRun = dryRun;
    return chosen;
}

const OrderCase kOrderCases[] = {
    {"AllSteps",
     {},
     options(true, true, false),
     SafeWriteOutcome::Done,
     {},
     {Step::Backup, Step::Write, Step::Verify},
     true,
     true,
     true},
    {"PasswordDiffers",
     [](Rig& rig) { rig.radio.memory[0x0FE2] = '1'; },
     options(true, true, false),
     SafeWriteOutcome::Failed,
     Step::Backup,
     {Step::Backup},
     false,
     false,
     false},
    {"BackupReadFails",
     [](Rig& rig) {
         rig.interference = [](std::span<const std::uint8_t> written, bool&) {
             return isRequest(written, 0x52, 0x0800)
                        ? std::optional<std::vector<std::uint8_t>>(std::vector<std::uint8_t>{})
                        : std::nullopt;
         };
     },
     options(true, true, false),
     SafeWriteOutcome::Failed,
     Step::Backup,
     {Step::Backup},
     false,
     false,
     false},
    {"BackupCannotBeSaved",
     [](Rig& rig) {
         test::writeFile(rig.dir.file("file"), "");
         rig.backupsFolder = rig.dir.file("file/backups");
     },
     options(true, true, false),
     SafeWriteOutcome::Failed,
     Step::Backup,
     {Step::Backup},
     false,
     false,
     false},
    {"Declined",
     [](Rig& rig) { rig.observer.goOn = false; },
     options(true, true, false),
     SafeWriteOutcome::Declined,
     {},
     {Step::Backup},
     false,
     true,
     true},
    {"DryRun",
     {},
     options(true, true, true),
     SafeWriteOutcome::Done,
     {},
     {Step::Backup},
     false,
     true,
     true},
    {"NoBackup",
     {},
     options(false, true, false),
     SafeWriteOutcome::Done,
     {},
     {Step::Write, Step::Verify},
     true,
     false,
     false},
    {"NoVerify",
     {},
     options(true, false, false),
     SafeWriteOutcome::Done,
     {},
     {Step::Backup, Step::Write},
     true,
     true,
     true},
    {"WriteNotKept",
     [](Rig& rig) { rig.interference = dropWriteAtZero; },
     options(true, true, false),
     SafeWriteOutcome::Failed,
     Step::Verify,
     {Step::Backup, Step::Write, Step::Verify},
     true,
     true,
     true},
};

class SafeWriteOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SafeWriteOrder, StepsRunInTurnAndStopBeforeAnythingUnsafe) {
    const OrderCase& c = GetParam();
    Rig rig;
    if (c.setUp) {
        c.setUp(rig);
    }
    const auto before = rig.radio.memory;
    const SafeWriteResult result = rig.run(c.options);

    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.stoppedIn, c.stoppedIn);
    EXPECT_EQ(rig.observer.steps, c.steps);
    EXPECT_EQ(rig.anyWriteFrameSent(), c.written);
    EXPECT_EQ(result.radioTouched, c.written);
    EXPECT_EQ(rig.observer.asked, c.asked);
    EXPECT_EQ(!result.backupPath.empty(), c.backup);
    EXPECT_EQ(std::filesystem::exists(result.backupPath), c.backup);
    if (!c.written) {
        EXPECT_EQ(rig.radio.memory, before);
    }
    if (c.outcome == SafeWriteOutcome::Done && c.written) {
        EXPECT_EQ(rig.radio.memory[0], 0x42);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SafeWriteOrder, ::testing::ValuesIn(kOrderCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The backup holds the radio's memory as read; the changes lead from it to the image.
TEST(SafeWrite, BackupIsTheRadioBeforeAndChangesLeadToTheImage) {
    Rig rig;
    const SafeWriteResult result = rig.run({});
    ASSERT_TRUE(result);
    // The scripted radio's band bytes are its pattern, which no open check takes.
    const std::string backup = test::readFile(result.backupPath);
    ASSERT_EQ(backup.size(), kImageSize);
    for (const std::uint16_t address : {0x0000, 0x0C30, 0x0FE0, 0x0FF0}) {
        EXPECT_EQ(static_cast<std::uint8_t>(backup[*imageOffsetOf(address)]),
                  test::ScriptedRadio::patternAt(address))
            << address;
    }
    ASSERT_FALSE(rig.observer.changes.empty());
    EXPECT_EQ(rig.observer.changes.front().where, "CH 1");
    EXPECT_EQ(rig.observer.changes.size(), result.changes.size());
    EXPECT_TRUE(result.verifyDifferences.empty());
}

TEST(SafeWrite, PasswordErrorSaysHowToWriteWithoutABackup) {
    Rig rig;
    rig.radio.memory[0x0FE2] = '1';
    SafeWriteOptions chosen;
    chosen.passwordErrorDetail = "No backup could be taken.";
    const SafeWriteResult result = rig.run(chosen);
    const TransferMessage expected{BuiltInText::PasswordError, "No backup could be taken."};
    EXPECT_EQ(rig.observer.messages, std::vector<TransferMessage>{expected});
    EXPECT_EQ(result.message, expected);
}

TEST(SafeWrite, VerifyNamesWhatTheRadioDidNotKeep) {
    Rig rig;
    rig.interference = dropWriteAtZero;
    const SafeWriteResult result = rig.run({});
    ASSERT_FALSE(result.verifyDifferences.empty());
    for (const ImageDifference& difference : result.verifyDifferences) {
        EXPECT_EQ(difference.where, "CH 1") << differenceLine(difference);
    }
    EXPECT_EQ(verifyFailedLine(3), "Verify failed: 3 differences");
    EXPECT_EQ(verifyFailedLine(3, Language::Chinese), "校验失败：3 处不同");
}

// What a worker's shell was told, and whether every call came on its own thread.
class RecordingSafeWriteShell final : public SafeWriteShell {
  public:
    void beginStep(SafeWriteStep step) override {
        seen();
        steps.push_back(step);
    }
    void setStatus(BuiltInText) override { seen(); }
    void setProgress(int) override { seen(); }
    RetryAnswer askRetry(MessageId) override {
        seen();
        return RetryAnswer::Cancel;
    }
    void showMessage(const TransferMessage&) override { seen(); }
    bool confirmChanges(const std::vector<ImageDifference>& changes) override {
        seen();
        shownChanges = changes.size();
        return goOn;
    }
    void safeWriteFinished(const SafeWriteResult& finished) override {
        seen();
        result = finished;
    }

    bool goOn = true;
    std::vector<SafeWriteStep> steps;
    std::size_t shownChanges = 0;
    std::optional<SafeWriteResult> result;
    bool onItsOwnThread = true;

  private:
    void seen() { onItsOwnThread = onItsOwnThread && std::this_thread::get_id() == owner_; }
    std::thread::id owner_ = std::this_thread::get_id();
};

TEST(SafeWriteWorker, AsksAndReportsOnTheShellsThread) {
    for (const bool goOn : {true, false}) {
        Rig rig;
        test::ShellQueue queue;
        RecordingSafeWriteShell shell;
        shell.goOn = goOn;
        SafeWriteWorker worker(
            std::make_unique<test::ScriptedPort>(
                [&rig](std::span<const std::uint8_t> w) { return rig.radio(w); }),
            std::make_unique<test::FakeSleeper>(), shell, queue.poster());
        worker.start(rig.image, "COM4", {}, {rig.folder(), 365, localTimeNow});
        ASSERT_TRUE(queue.runUntil([&] { return shell.result.has_value(); }));
        EXPECT_TRUE(shell.onItsOwnThread);
        EXPECT_GT(shell.shownChanges, 0u);
        EXPECT_EQ(shell.result->outcome,
                  goOn ? SafeWriteOutcome::Done : SafeWriteOutcome::Declined);
        const std::vector<Step> steps =
            goOn ? std::vector{Step::Backup, Step::Write, Step::Verify} : std::vector{Step::Backup};
        EXPECT_EQ(shell.steps, steps);
        EXPECT_FALSE(shell.result->backupPath.empty());
    }
}

}  // namespace
}  // namespace kw
