// Read and Write from the desktop program against kwradio-sim on a pseudo-terminal:
// channels and a feature go to the simulated radio and come back into a new document,
// and a cancelled transfer leaves the document as it was.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/optional_features_dlg.h"
#include "app/preferences_dlg.h"
#include "app/process_dlg.h"
#include "app/program_view.h"
#include "app/transfer_windows.h"
#include "channel_entry.h"
#include "e2e/cli_process.h"
#include "features/optional_features.h"
#include "gui_support.h"
#include "link/trace_preference.h"
#include "model/document_file.h"
#include "res/command_ids.h"

namespace kw::test {
namespace {

using app::CChildFrame;
using app::CProcessDlg;

class TransferEndToEnd : public testing::Test {
  protected:
    void startProgram(const std::vector<std::string>& simArguments) {
        sim_.emplace(startSim(simArguments));
        // Plain Writes: nothing read before or after them.
        ASSERT_TRUE(
            app::storeWritePreferences(SettingsStore(dir_.settingsFile()), {false, false, false}));
        run_.emplace(dir_, QStringList{}, sim_->device());
        ASSERT_TRUE(run_->start());
    }
    app::CMainFrame& frame() { return run_->frame(); }
    CProcessDlg* windowOf(CChildFrame* child) { return frame().transfers().windowOf(child); }
    testing::AssertionResult statusSays(const char* pattern) {
        const QString shown = frame().statusBar()->currentMessage();
        if (QRegularExpression(QString::fromLatin1(pattern)).match(shown).hasMatch()) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure()
               << "the status bar says \"" << shown.toStdString() << '"';
    }

    void chooseTotInTheDialog(int index) {
        const int opened =
            withModalDialog([&] { frame().commands().trigger(command::kOptionalFeatures); },
                            [&](QWidget* widget) {
                                auto* dialog = static_cast<app::COptionalFeaturesDlg*>(widget);
                                dialog->controlAs<QComboBox>(1125)->setCurrentIndex(index);
                                QTest::mouseClick(dialog->control(1), Qt::LeftButton);
                            });
        ASSERT_EQ(opened, 1);
    }

    // The command, Start, and the event loop until the window has gone.
    void transfer(CommandId command, CChildFrame* child,
                  const std::function<void()>& meanwhile = {}) {
        ASSERT_TRUE(frame().commands().trigger(command));
        CProcessDlg* window = windowOf(child);
        ASSERT_TRUE(window->isVisible());
        QTimer watcher;
        if (meanwhile) {
            QObject::connect(&watcher, &QTimer::timeout, meanwhile);
            watcher.start(10);
        }
        QTest::mouseClick(window->startButton(), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return window->commands().state() == ProcessWindowState::Absent; }, 60000));
        EXPECT_FALSE(window->isVisible());
    }

    TempDir files_;
    ProgramDir dir_;
    std::optional<sim::SimProcess> sim_;
    std::optional<RunningProgram> run_;
};

TEST_F(TransferEndToEnd, WrittenChannelsAndFeaturesComeBackByRead) {
    const std::string saved = files_.file("radio.dat");
    startProgram({"--model", "KW-217V", "--save", saved});
    // A question would fail the test rather than wait for an answer.
    run_->messages.setNextAnswer(app::MessageBoxes::Answer::Cancel);
    CChildFrame* writer = frame().activeChild();
    ASSERT_TRUE(enterChannels(*writer, run_->program.product()));
    chooseTotInTheDialog(3);  // "90"
    transfer(command::kWrite, writer);
    EXPECT_EQ(run_->messages.askedCount(), 0) << run_->messages.lastText().toStdString();
    EXPECT_TRUE(statusSays("^Write complete in \\d+\\.\\d s$"));

    // The radio saves its memory after each session.
    RadioImage radio{};
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return loadDocumentFile(saved, radio) && gridOf(radio).text(1, kNameColumn) == "ALPHA";
        },
        10000));
    const ChannelGrid written = gridOf(radio);
    EXPECT_EQ(written.text(1, kRxColumn), "145.50000");
    EXPECT_EQ(written.text(2, kRxColumn), "146.02500");
    EXPECT_EQ(written.text(129, kNameColumn), "FR");
    EXPECT_EQ(loadOptionalFeatures(radio).control(FeatureControlId{1125}).selection, 3);

    CChildFrame* reader = frame().newDocument();
    ASSERT_NE(reader, writer);
    EXPECT_TRUE(gridOf(reader->document().image()).text(1, kRxColumn).empty());
    transfer(command::kRead, reader);
    EXPECT_EQ(run_->messages.askedCount(), 0) << run_->messages.lastText().toStdString();
    const ChannelGrid read = gridOf(reader->document().image());
    for (const ChannelEntry& channel : kSampleChannels) {
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            EXPECT_EQ(read.text(channel.row, column), written.text(channel.row, column))
                << channel.row << ' ' << column;
        }
    }
    EXPECT_EQ(
        loadOptionalFeatures(reader->document().image()).control(FeatureControlId{1125}).selection,
        3);
    EXPECT_TRUE(reader->isModified());
    EXPECT_TRUE(statusSays("^Read complete: 4 channels in \\d+\\.\\d s$"));
    EXPECT_EQ(reader->windowTitle(), "Channel Information[*]");
}

// Com Setup's trace preference: ticked with a file, the next Read's bytes are in it; the
// setting holds for later runs.
TEST_F(TransferEndToEnd, TheTraceTickedInComSetupRecordsTheRead) {
    startProgram({"--model", "KW-217V"});
    const std::string trace = files_.file("trace.txt");
    const int opened = withModalDialog(
        [&] { frame().commands().trigger(command::kComSetup); },
        [&](QWidget* widget) {
            auto* dialog = static_cast<app::TemplateDialog*>(widget);
            QTest::mouseClick(dialog->control(control::kTraceToFile), Qt::LeftButton);
            dialog->controlAs<QLineEdit>(control::kTraceFile)
                ->setText(QString::fromStdString(trace));
            QTest::mouseClick(dialog->control(control::kOk), Qt::LeftButton);
        });
    ASSERT_EQ(opened, 1);

    transfer(command::kRead, frame().activeChild());

    const std::string text = readFile(trace);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d{3} > 02\n"))
                    .match(QString::fromStdString(text))
                    .hasMatch())
        << text.substr(0, 200);
    EXPECT_NE(text.find(" < 57 0F E0 08 "), std::string::npos);
    EXPECT_NE(text.find("** ** ** ** ** **\n"), std::string::npos);
    const SettingsStore settings(dir_.settingsFile());
    EXPECT_EQ(readTracePreference(settings), (TracePreference{true, trace}));
}

// The question to cancel a running Read, left open for three seconds and answered to go
// on: the Read goes on meanwhile and completes, and the program's own timer keeps its
// pace all along.
TEST_F(TransferEndToEnd, AReadGoesOnWhileAQuestionIsOpenAndTheProgramAnswers) {
    startProgram({"--model", "KW-217V", "--baud", "9600"});
    frame().show();
    CChildFrame* child = frame().activeChild();
    CProcessDlg* window = windowOf(child);
    ASSERT_TRUE(frame().commands().trigger(command::kRead));
    QElapsedTimer clock;
    clock.start();
    qint64 longestGap = 0;
    qint64 lastTick = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    ticker.start(50);
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->progressBar()->value() >= 5; }, 20000));

    const int asked = window->progressBar()->value();
    int answered = 0;
    QTimer::singleShot(3000, [&] {
        answered = window->progressBar()->value();
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(question, nullptr);
        question->button(QMessageBox::Cancel)->click();  // keep going
    });
    EXPECT_FALSE(frame().close());
    EXPECT_GT(answered - asked, 20) << "the Read went on while the question was open";
    run_->messages.setNextAnswer(app::MessageBoxes::Answer::Ok);  // a failure, if any
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->commands().state() == ProcessWindowState::Absent; }, 60000));
    ticker.stop();
    EXPECT_EQ(run_->messages.askedCount(), 1) << run_->messages.lastText().toStdString();
    EXPECT_EQ(window->progressBar()->value(), 191);
    EXPECT_TRUE(child->isModified());
    EXPECT_TRUE(frame().isVisible());
    EXPECT_LE(longestGap, 100);
}

TEST_F(TransferEndToEnd, AReadThatEndsWhileTheCloseQuestionIsOpenLetsTheCloseGoOn) {
    startProgram({"--model", "KW-217V", "--baud", "0"});
    frame().show();
    CProcessDlg* window = windowOf(frame().activeChild());
    ASSERT_TRUE(frame().commands().trigger(command::kRead));
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    bool endedWhileAsked = false;
    QTimer::singleShot(0, [&] {
        endedWhileAsked = QTest::qWaitFor(
            [&] { return window->commands().state() == ProcessWindowState::Absent; }, 30000);
        run_->messages.setNextAnswer(app::MessageBoxes::Answer::No);  // Save changes?
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(question, nullptr);
        question->button(QMessageBox::Ok)->click();  // cancel the transfer and close
    });
    EXPECT_TRUE(frame().close());
    EXPECT_TRUE(endedWhileAsked);
    EXPECT_EQ(run_->messages.lastText(), QStringLiteral("Save changes?"));
}

struct RefusedCase {
    const char* name;
    std::vector<std::string> simArguments;
    CommandId command;
    const char* message;  // how the message the user sees begins
};

class RefusedTransfer : public TransferEndToEnd, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedTransfer, ShowsWhyAndLeavesTheDocumentAsItWas) {
    const RefusedCase& c = GetParam();
    startProgram(c.simArguments);
    CChildFrame* child = frame().activeChild();
    child->view()->gridCommit();  // as the transfer does before it opens the port
    const RadioImage before = child->document().image();
    // Retry/Cancel is answered Cancel; the other messages have OK only.
    run_->messages.setNextAnswer(app::MessageBoxes::Answer::Cancel);
    transfer(c.command, child);
    EXPECT_EQ(run_->messages.askedCount(), 1);
    EXPECT_TRUE(run_->messages.lastText().startsWith(QString::fromUtf8(c.message)))
        << run_->messages.lastText().toStdString();
    EXPECT_EQ(child->document().image(), before);
    EXPECT_FALSE(child->isModified());
    EXPECT_TRUE(frame().commands().isEnabled(c.command));
}

INSTANTIATE_TEST_SUITE_P(
    Radios, RefusedTransfer,
    testing::Values(
        RefusedCase{"OtherModel", {"--model", "KW-217U"}, command::kWrite, "Band not match"},
        RefusedCase{"OtherPassword",
                    {"--model", "KW-217V", "--password", "1234"},
                    command::kRead,
                    "Password Error!"},
        RefusedCase{"Silent",
                    {"--model", "KW-217V", "--fault", "silent"},
                    command::kRead,
                    "Communication Error, Please check all the connections and the radio power"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

enum class CancelWay { CancelButton, CloseTheProgram };

class CancelledTransfer : public TransferEndToEnd, public testing::WithParamInterface<CancelWay> {};

TEST_P(CancelledTransfer, EndsWithTheDocumentUnchanged) {
    // A slow radio, so the transfer is still running when the user gives up.
    startProgram({"--model", "KW-217V", "--baud", "2400"});
    frame().show();
    CChildFrame* child = frame().activeChild();
    child->view()->gridCommit();  // as the transfer does before it opens the port
    const RadioImage before = child->document().image();
    CProcessDlg* window = windowOf(child);
    if (GetParam() == CancelWay::CancelButton) {
        run_->messages.setNextAnswer(app::MessageBoxes::Answer::Cancel);  // as above
    }
    bool cancelled = false;
    int rowsAtCancel = 0;
    transfer(command::kRead, child, [&] {
        if (cancelled || window->progressBar()->value() < 2) {
            return;
        }
        cancelled = true;
        rowsAtCancel = window->progressBar()->value();
        if (GetParam() == CancelWay::CancelButton) {
            QTest::mouseClick(window->control(2), Qt::LeftButton);
        } else {
            run_->messages.setNextAnswer(app::MessageBoxes::Answer::Ok);
            EXPECT_FALSE(frame().close());  // not while the transfer runs
        }
    });
    EXPECT_TRUE(cancelled);
    EXPECT_LE(window->progressBar()->value(), rowsAtCancel + 1);  // it stops at the next row
    EXPECT_EQ(child->document().image(), before);
    EXPECT_FALSE(child->isModified());
    if (GetParam() == CancelWay::CloseTheProgram) {
        EXPECT_EQ(run_->messages.askedCount(), 1);  // only the question to cancel
        EXPECT_TRUE(QTest::qWaitFor([&] { return !frame().isVisible(); }, 5000));
    } else {
        EXPECT_EQ(run_->messages.askedCount(), 0);  // a cancel tells nothing
        EXPECT_TRUE(frame().commands().isEnabled(command::kRead));
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, CancelledTransfer,
                         testing::Values(CancelWay::CancelButton, CancelWay::CloseTheProgram));

}  // namespace
}  // namespace kw::test
