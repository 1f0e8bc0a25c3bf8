// The Process window and the Read and Write commands of the main frame, without a radio:
// offering, cancelling, a port that does not open, and what the frame allows meanwhile.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/process_dlg.h"
#include "app/program_view.h"
#include "app/recent_file_menu.h"
#include "app/transfer_windows.h"
#include "gui_support.h"
#include "link/posix_serial_port.h"
#include "pseudo_terminal.h"
#include "res/command_ids.h"

namespace kw::test {
namespace {

using app::CProcessDlg;
using app::MessageBoxes;

class ProcessWindow : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(run.start());
        child = frame().activeChild();
        ASSERT_NE(child, nullptr);
    }
    app::CMainFrame& frame() { return run.frame(); }
    CProcessDlg* window() { return frame().transfers().windowOf(child); }
    bool enabled(CommandId command) { return frame().commands().isEnabled(command); }

    ProgramDir dir;
    RunningProgram run{dir, {}, dir.file("no-such-port")};
    app::CChildFrame* child = nullptr;
};

TEST_F(ProcessWindow, ReadAndWriteOfferTheWindowNotStartedYet) {
    for (const auto& [command, title] :
         {std::pair{command::kRead, "Read Data"}, std::pair{command::kWrite, "Write Data"}}) {
        ASSERT_TRUE(frame().commands().trigger(command));
        CProcessDlg* dlg = window();
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_FALSE(dlg->isModal());
        EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8(title));
        EXPECT_EQ(dlg->statusLine()->text(), QStringLiteral("Not start yet"));
        EXPECT_EQ(dlg->progressBar()->value(), 0);
        EXPECT_EQ(dlg->progressBar()->maximum(), 191);
        EXPECT_TRUE(dlg->startButton()->isEnabled());
        dlg->reject();
        EXPECT_FALSE(dlg->isVisible());
    }
}

TEST_F(ProcessWindow, WhileOpenOnlyCommandsThatLeaveDocumentsAloneRun) {
    frame().commands().trigger(command::kRead);
    for (const CommandId command :
         {command::kFileNew, command::kFileOpen, command::kFileClose, command::kFileSave,
          command::kFileSaveAs, command::kRead, command::kWrite, command::kOptionalFeatures,
          command::kProductInformation, command::kFilePrint}) {
        EXPECT_FALSE(enabled(command)) << numberOf(command);
    }
    for (const CommandId command : {command::kChannelInformation, command::kHelpTopics,
                                    command::kControlBar, command::kViewToolbar}) {
        EXPECT_TRUE(enabled(command)) << numberOf(command);
    }
    EXPECT_FALSE(child->view()->isEnabled());  // the grid takes no edits
    window()->reject();
    EXPECT_TRUE(enabled(command::kFileClose));
    EXPECT_TRUE(enabled(command::kRead));
    EXPECT_TRUE(child->view()->isEnabled());
}

TEST_F(ProcessWindow, ARecentOrDroppedFileWaitsLikeFileOpen) {
    const QString path = QString::fromStdString(dir.file("radio.dat"));
    run.files.setNextFileName(path);
    ASSERT_TRUE(frame().saveDocument(child, true));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    frame().commands().trigger(command::kRead);
    emit frame().recentFiles()->openRequested(path);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &drop);
    EXPECT_EQ(frame().children().size(), 1u);
    EXPECT_TRUE(child->isVisible());
    window()->reject();
}

enum class CloseWay { CancelButton, EscapeKey, CloseBox };

class ProcessWindowClosing : public ProcessWindow, public testing::WithParamInterface<CloseWay> {};

TEST_P(ProcessWindowClosing, BeforeStartClosesWithoutTouchingThePort) {
    frame().commands().trigger(command::kWrite);
    CProcessDlg* dlg = window();
    switch (GetParam()) {
        case CloseWay::CancelButton:
            QTest::mouseClick(dlg->control(2), Qt::LeftButton);
            break;
        case CloseWay::EscapeKey:
            QTest::keyClick(dlg, Qt::Key_Escape);
            break;
        case CloseWay::CloseBox:
            dlg->close();
            break;
    }
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->commands().state(), ProcessWindowState::Absent);
    QTest::qWait(20);
    EXPECT_EQ(run.messages.askedCount(), 0);  // the port was never opened
}

INSTANTIATE_TEST_SUITE_P(Ways, ProcessWindowClosing,
                         testing::Values(CloseWay::CancelButton, CloseWay::EscapeKey,
                                         CloseWay::CloseBox));

TEST_F(ProcessWindow, ReadWhileAWriteIsOfferedChangesNothing) {
    frame().commands().trigger(command::kWrite);
    window()->onRead();
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Write Data"));
    EXPECT_EQ(window()->commands().direction(), TransferDirection::Write);
    window()->reject();
}

TEST_F(ProcessWindow, APortThatDoesNotOpenIsReportedAndTheDocumentStaysAsItWas) {
    child->view()->gridCommit();  // as the transfer does before it opens the port
    const RadioImage before = child->document().image();
    frame().commands().trigger(command::kRead);
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    QTest::mouseClick(window()->startButton(), Qt::LeftButton);
    EXPECT_FALSE(window()->startButton()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window()->commands().state() == ProcessWindowState::Absent; }, 10000));
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(run.messages.lastText().startsWith(QStringLiteral(
        "Could not Open the Port, Please check whether the Port are occupied or the device are "
        "ok")))
        << run.messages.lastText().toStdString();
    EXPECT_EQ(child->document().image(), before);
    EXPECT_FALSE(child->isModified());
    EXPECT_TRUE(enabled(command::kRead));
}

TEST_F(ProcessWindow, ClosingTheProgramWithAnOfferedWindowClosesTheWindowToo) {
    frame().show();
    frame().commands().trigger(command::kRead);
    EXPECT_TRUE(frame().close());
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(run.messages.askedCount(), 0);
}

TEST_F(ProcessWindow, EveryDocumentHasAWindowOfItsOwn) {
    app::CChildFrame* second = frame().newDocument();
    EXPECT_NE(frame().transfers().windowOf(second), window());
    frame().commands().trigger(command::kRead);
    EXPECT_TRUE(frame().transfers().windowOf(second)->isVisible());
    EXPECT_FALSE(window()->isVisible());
    frame().transfers().windowOf(second)->reject();
    frame().destroyDocument(second);  // its window goes with it
    EXPECT_EQ(frame().transfers().openWindow(), nullptr);
}

// A port that does not open says why and where to choose another.
struct PortProblemCase {
    const char* name;
    bool held;  // an existing port another program holds; otherwise no port at all
    const char* says;
    const char* detailsSay;  // the cable doctor's checks behind Details
};

class PortProblem : public testing::TestWithParam<PortProblemCase> {};

TEST_P(PortProblem, SaysWhatToDo) {
    ProgramDir dir;
    std::string error;
    auto line = sim::PseudoTerminal::open(error);
    ASSERT_TRUE(line) << error;
    PosixSerialPort holder;
    const std::string port = GetParam().held ? line->devicePath() : dir.file("no-such-port");
    if (GetParam().held) {
        ASSERT_TRUE(holder.open(port));
    }
    RunningProgram run{dir, {}, port};
    ASSERT_TRUE(run.start());
    CProcessDlg* window = run.frame().transfers().windowOf(run.frame().activeChild());
    run.frame().commands().trigger(command::kRead);
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->commands().state() == ProcessWindowState::Absent; }, 10000));
    const QString text = run.messages.lastText();
    EXPECT_TRUE(text.contains(GetParam().says)) << text.toStdString();
    EXPECT_TRUE(text.endsWith("\n\nChoose the port of the programming cable in Setup > Com Setup."))
        << text.toStdString();
    EXPECT_TRUE(
        run.messages.lastDetails().contains(QString::fromStdString(port) + GetParam().detailsSay))
        << run.messages.lastDetails().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Ports, PortProblem,
    testing::Values(PortProblemCase{"Absent", false, "no-such-port has no device file.",
                                    " does not exist: plug the cable in"},
                    PortProblemCase{"Busy", true, "is in use by another program.",
                                    " exists, owner group"}),
    [](const testing::TestParamInfo<PortProblemCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kw::test
