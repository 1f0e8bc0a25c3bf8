#include "terminal_observer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

namespace kw::cli {
namespace {

const std::string kQuestion =
    "Communication Error, Please check all the connections and the radio power";

// A terminal for the answers: what is typed goes in at the master.
class Terminal {
  public:
    Terminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            throw std::runtime_error("no pseudo-terminal");
        }
        slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        if (slave_ < 0) {
            throw std::runtime_error("no pseudo-terminal device");
        }
    }
    ~Terminal() {
        ::close(slave_);
        ::close(master_);
    }

    void type(const std::string& text) {
        ASSERT_EQ(::write(master_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    int input() const { return slave_; }

  private:
    int master_ = -1;
    int slave_ = -1;
};

struct AnswerCase {
    const char* name;
    const char* typed;
    RetryAnswer expected;
    int questions = 1;  // an answer that is neither is asked again
};

class TypedAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(TypedAnswer, IsTakenFromTheTerminal) {
    Terminal terminal;
    terminal.type(GetParam().typed);
    std::ostringstream err;
    InterruptWatch interrupts;
    TerminalObserver observer(err, interrupts, 0, terminal.input());
    EXPECT_EQ(observer.askRetry(MessageId::CommunicationError), GetParam().expected);
    std::string asked = kQuestion + "\n";
    for (int i = 0; i < GetParam().questions; ++i) {
        asked += "Retry or Cancel? [r/C] ";
    }
    EXPECT_EQ(err.str(), asked);
    EXPECT_EQ(observer.cancelledByUser(), GetParam().expected == RetryAnswer::Cancel);
}

INSTANTIATE_TEST_SUITE_P(
    Terminal, TypedAnswer,
    ::testing::Values(AnswerCase{"R", "r\n", RetryAnswer::Retry},
                      AnswerCase{"CapitalR", "R\n", RetryAnswer::Retry},
                      AnswerCase{"Word", "retry\n", RetryAnswer::Retry},
                      AnswerCase{"Enter", "\n", RetryAnswer::Cancel},
                      AnswerCase{"C", "c\n", RetryAnswer::Cancel},
                      AnswerCase{"CancelWord", "Cancel\n", RetryAnswer::Cancel},
                      AnswerCase{"OtherThenC", "yes\nc\n", RetryAnswer::Cancel, 2},
                      AnswerCase{"OthersThenR", "yes\nrx\nr\n", RetryAnswer::Retry, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TerminalObserver, RetriesAsToldThenCancelsWhenNobodyCanAnswer) {
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    ASSERT_EQ(::write(pipeFds[1], "r\n", 2), 2);  // not a terminal: never read
    std::ostringstream err;
    InterruptWatch interrupts;
    TerminalObserver observer(err, interrupts, 2, pipeFds[0]);
    EXPECT_EQ(observer.askRetry(MessageId::CommunicationError), RetryAnswer::Retry);
    EXPECT_EQ(observer.askRetry(MessageId::CommunicationError), RetryAnswer::Retry);
    EXPECT_EQ(observer.askRetry(MessageId::CommunicationError), RetryAnswer::Cancel);
    EXPECT_EQ(err.str(),
              kQuestion + " [Retry]\n" + kQuestion + " [Retry]\n" + kQuestion + " [Cancel]\n");
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

// SIGTERM and SIGHUP stop a transfer as Ctrl-C does; none of them is a person's Cancel.
TEST(TerminalObserver, CtrlCWhileAskingCancelsAndCancelsTheTransfer) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        Terminal terminal;
        std::ostringstream err;
        InterruptWatch interrupts;
        TerminalObserver observer(err, interrupts, 0, terminal.input());
        ASSERT_EQ(::pthread_kill(::pthread_self(), signal), 0);  // held back by the watch
        EXPECT_EQ(observer.askRetry(MessageId::CommunicationError), RetryAnswer::Cancel);
        EXPECT_TRUE(observer.cancelRequested()) << signal;
        EXPECT_FALSE(observer.cancelledByUser());
    }
}

TEST(TerminalObserver, ProgressBarShowsStepPercentAndTime) {
    std::ostringstream err;
    InterruptWatch interrupts;
    TerminalObserver observer(err, interrupts, 0, -1);
    observer.setStatus(BuiltInText::WaitingForRadio);
    observer.setProgress(96);
    observer.setProgress(191);
    observer.finish();
    EXPECT_EQ(err.str(),
              "Waiting the response from radio....\n"
              "\r[####################....................]  50%  96/191    0.0s"
              "\r[########################################] 100% 191/191    0.0s\n");
    EXPECT_FALSE(observer.cancelRequested());
}

TEST(TerminalObserver, ScriptsGetALineAtEachTenthAndQuietGetsNone) {
    const struct {
        ProgressStyle style;
        TransferDirection direction;
        const char* shown;
    } cases[] = {
        {ProgressStyle::Lines, TransferDirection::Read,
         "Waiting the response from radio....\nRead 10% 19/191 0.0 s\nRead 20% 40/191 0.0 s\n"
         "Read 100% 191/191 0.0 s\n"},
        {ProgressStyle::Lines, TransferDirection::Write,
         "Waiting the response from radio....\nWrite 10% 19/191 0.0 s\nWrite 20% 40/191 0.0 s\n"
         "Write 100% 191/191 0.0 s\n"},
        {ProgressStyle::Quiet, TransferDirection::Read, ""},
    };
    for (const auto& c : cases) {
        std::ostringstream err;
        InterruptWatch interrupts;
        TerminalObserver observer(err, interrupts, 0, -1, c.style, c.direction);
        observer.setStatus(BuiltInText::WaitingForRadio);
        for (const int position : {0, 18, 19, 20, 40, 191}) {
            observer.setProgress(position);
        }
        observer.finish();
        EXPECT_EQ(err.str(), c.shown);
        EXPECT_TRUE(observer.progressed());
    }
}

TEST(TerminalObserver, MessageEndsTheBarLineAndGivesItsDetail) {
    std::ostringstream err;
    InterruptWatch interrupts;
    TerminalObserver observer(err, interrupts, 0, -1);
    observer.setProgress(1);
    observer.showMessage({MessageId::CouldNotOpenPort, "You may not open /dev/ttyUSB0."});
    EXPECT_EQ(err.str().substr(err.str().find('\n')),
              "\nCould not Open the Port, Please check whether the Port are occupied or the "
              "device are ok\nYou may not open /dev/ttyUSB0.\n\"kwprog-cli ports\" lists the "
              "ports and which are free.\n");
}

}  // namespace
}  // namespace kw::cli
