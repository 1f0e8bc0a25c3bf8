// The transfer worker over a scripted radio: the session's calls reach the test's own
// thread, a cancel from there stops the session after the row it is in, and a question
// holds the session until it is answered, cancelled or its worker goes.

#include "session/transfer_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <numeric>

#include "model/radio_address.h"
#include "support/fake_sleeper.h"
#include "support/recording_shell.h"
#include "support/scripted_port.h"
#include "support/scripted_radio.h"
#include "support/shell_queue.h"

namespace kw {
namespace {

using namespace std::chrono_literals;

struct WorkerRig {
    WorkerRig() {
        document.fill(0xFF);  // no password, as the radio has none
        worker.emplace(port(), std::make_unique<test::FakeSleeper>(), shell, queue.poster());
    }

    std::unique_ptr<SerialPort> port() {
        return std::make_unique<test::ScriptedPort>([this](std::span<const std::uint8_t> w) {
            ++writes;
            return radio(w);
        });
    }
    bool finish() {
        return queue.runUntil([this] { return shell.result.has_value(); });
    }

    RadioImage document{};
    test::ScriptedRadio radio{1};
    std::atomic<int> writes = 0;
    test::ShellQueue queue;
    test::RecordingShell shell;
    std::optional<TransferWorker> worker;
};

TEST(TransferWorker, ReadReachesTheShellsThreadWithTheRadiosMemory) {
    WorkerRig rig;
    rig.worker->start(TransferDirection::Read, rig.document, "COM4");
    ASSERT_TRUE(rig.finish());
    EXPECT_EQ(rig.shell.result->outcome, TransferOutcome::Done);
    EXPECT_TRUE(rig.shell.onItsOwnThread);
    EXPECT_EQ(rig.shell.statuses,
              (std::vector{BuiltInText::WaitingForRadio, BuiltInText::WaitingForRadio}));
    std::vector<int> everyStep(kProgressRange);
    std::iota(everyStep.begin(), everyStep.end(), 1);
    EXPECT_EQ(rig.shell.progress, everyStep);
    EXPECT_EQ(rig.shell.image[*imageOffsetOf(0x0123)], test::ScriptedRadio::patternAt(0x0123));
}

TEST(TransferWorker, CancelStopsTheSessionAfterTheRowItIsIn) {
    WorkerRig rig;
    constexpr int kRow = 10;
    const std::uint16_t rowAddress = *radioAddressOf(rowOffset(kRow));
    std::promise<void> reached;
    std::promise<void> released;
    rig.radio.interfere =
        [&, go = released.get_future().share()](
            std::span<const std::uint8_t> w) -> std::optional<std::vector<std::uint8_t>> {
        if (w.size() == 4 && w[0] == 0x52 && (w[1] << 8 | w[2]) == rowAddress) {
            reached.set_value();
            go.wait();
        }
        return std::nullopt;
    };
    rig.worker->start(TransferDirection::Read, rig.document, "COM4");
    reached.get_future().wait();
    rig.worker->cancel();
    released.set_value();
    ASSERT_TRUE(rig.finish());
    EXPECT_EQ(rig.shell.result->outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(rig.shell.progress.back(), kRow + 1);
    EXPECT_TRUE(rig.shell.messages.empty());
}

// A radio that never answers: after the wake-ups the session asks Retry or Cancel.
struct SilentRig : WorkerRig {
    SilentRig() {
        radio.interfere = [](std::span<const std::uint8_t>) {
            return std::optional<std::vector<std::uint8_t>>(std::in_place);
        };
    }
};

TEST(TransferWorker, TheSessionWaitsForTheAnswerToItsQuestion) {
    SilentRig rig;
    std::vector<int> writesWhileAsked;
    rig.shell.answerQuestion = [&] {
        const int before = rig.writes;
        std::this_thread::sleep_for(100ms);
        writesWhileAsked.push_back(rig.writes - before);
        return rig.shell.questions.size() == 1 ? RetryAnswer::Retry : RetryAnswer::Cancel;
    };
    rig.worker->start(TransferDirection::Write, rig.document, "COM4");
    ASSERT_TRUE(rig.finish());
    EXPECT_EQ(rig.shell.questions.size(), 2u);  // Retry went on to the next round
    EXPECT_EQ(writesWhileAsked, (std::vector{0, 0}));
    EXPECT_EQ(rig.shell.result->outcome, TransferOutcome::Failed);
    EXPECT_TRUE(rig.shell.messages.empty());  // the question was the message
}

TEST(TransferWorker, CancelEndsTheWaitForAnAnswer) {
    SilentRig rig;
    bool endedUnanswered = false;
    rig.shell.answerQuestion = [&] {
        rig.worker->cancel();
        endedUnanswered = rig.queue.waitForPosted(1, 10s);  // the session's end
        return RetryAnswer::Retry;
    };
    rig.worker->start(TransferDirection::Read, rig.document, "COM4");
    ASSERT_TRUE(rig.finish());
    EXPECT_TRUE(endedUnanswered);
    EXPECT_EQ(rig.shell.questions.size(), 1u);
    EXPECT_NE(rig.shell.result->outcome, TransferOutcome::Done);
}

TEST(TransferWorker, AWorkerGoneWhileItsQuestionWaitsLeavesTheShellAlone) {
    SilentRig rig;
    rig.worker->start(TransferDirection::Read, rig.document, "COM4");
    // Fifteen wake-ups, each with its status, and then the question.
    ASSERT_TRUE(rig.queue.waitForPosted(16, 10s));
    rig.worker.reset();
    EXPECT_FALSE(rig.queue.runUntil([] { return false; }, 100ms));
    EXPECT_TRUE(rig.shell.statuses.empty());
    EXPECT_TRUE(rig.shell.questions.empty());
    EXPECT_FALSE(rig.shell.result);
}

}  // namespace
}  // namespace kw
