#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/navigation_bar.h"
#include "app/program_view.h"
#include "app/template_dialog.h"
#include "gui_support.h"
#include "model/image_layout.h"
#include "res/command_ids.h"

namespace kw::test {
namespace {

using app::MessageBoxes;

class MainFrame : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(run.start()); }

    app::CMainFrame& frame() { return run.frame(); }
    QTreeWidgetItem* treeItem(int child) {
        return frame().navigationTree()->topLevelItem(0)->child(child);
    }
    void selectInTree(QTreeWidgetItem* item) { frame().navigationTree()->setCurrentItem(item); }

    ProgramDir dir;
    RunningProgram run{dir};
};

TEST_F(MainFrame, TreeChildOpensItsEditorOnceAndTheRootIsSelectedAgain) {
    QString title;
    const int opened = withModalDialog([&] { selectInTree(treeItem(0)); },
                                       [&](QWidget* dialog) { title = dialog->windowTitle(); });
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(title, QStringLiteral("Product Information"));
    EXPECT_EQ(frame().navigationTree()->currentItem(), frame().navigationTree()->topLevelItem(0));
    // The same child can be chosen again at once.
    EXPECT_EQ(withModalDialog([&] { selectInTree(treeItem(0)); }, [](QWidget*) {}), 1);
}

TEST_F(MainFrame, TreeRootDoesNothing) {
    selectInTree(nullptr);
    EXPECT_EQ(withModalDialog([&] { selectInTree(frame().navigationTree()->topLevelItem(0)); },
                              [](QWidget*) {}),
              0);
}

TEST_F(MainFrame, ChannelInformationShowsTheHiddenDocumentAgain) {
    app::CChildFrame* child = frame().children().front();
    child->setModified(true);
    child->close();
    EXPECT_TRUE(child->isHidden());
    EXPECT_EQ(frame().children().size(), 1u);  // closing only hid it
    selectInTree(treeItem(1));
    EXPECT_FALSE(child->isHidden());
    EXPECT_TRUE(child->isModified());
}

TEST_F(MainFrame, OptionalFeaturesOpensFromTheTree) {
    QString title;
    EXPECT_EQ(withModalDialog([&] { selectInTree(treeItem(2)); },
                              [&](QWidget* dialog) { title = dialog->windowTitle(); }),
              1);
    EXPECT_EQ(title, QStringLiteral("Optional Features"));
}

TEST_F(MainFrame, ControlBarTogglesTheBarAndItsCheckMark) {
    frame().show();
    const auto& actions = frame().commands().actions(command::kControlBar);
    ASSERT_FALSE(actions.empty());
    EXPECT_TRUE(actions.front()->isChecked());
    actions.front()->trigger();
    EXPECT_TRUE(frame().navigationBar()->isHidden());
    EXPECT_FALSE(actions.front()->isChecked());
    actions.front()->trigger();
    EXPECT_FALSE(frame().navigationBar()->isHidden());
    EXPECT_TRUE(actions.front()->isChecked());
}

TEST_F(MainFrame, CtrlBTogglesTheBar) {
    frame().show();
    frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    QTest::keyClick(&frame(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(frame().navigationBar()->isHidden());
    EXPECT_FALSE(frame().commands().isChecked(command::kControlBar));
}

TEST_F(MainFrame, FileNewAsksBeforeClearingAndCancelKeepsTheDocument) {
    app::CChildFrame* first = frame().children().front();
    run.messages.setNextAnswer(MessageBoxes::Answer::Cancel);
    frame().commands().trigger(command::kFileNew);
    EXPECT_EQ(run.messages.lastText(), QStringLiteral("All data will be Cleared!"));
    ASSERT_EQ(frame().children().size(), 1u);
    EXPECT_EQ(frame().children().front(), first);

    first->setModified(true);
    run.messages.setNextAnswer(MessageBoxes::Answer::No);  // "Save changes?"
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    frame().commands().trigger(command::kFileNew);
    ASSERT_EQ(frame().children().size(), 1u);
    EXPECT_FALSE(frame().children().front()->isModified());
    EXPECT_EQ(run.messages.askedCount(), 3);
}

TEST_F(MainFrame, WithoutADocumentOnlyItsCommandsAreDisabled) {
    frame().destroyDocument(frame().children().front());
    EXPECT_EQ(frame().activeChild(), nullptr);
    for (const CommandId command :
         {command::kFileSave, command::kFileClose, command::kProductInformation, command::kRead}) {
        EXPECT_FALSE(frame().commands().isEnabled(command)) << numberOf(command);
    }
    EXPECT_TRUE(frame().commands().isEnabled(command::kFileNew));
    EXPECT_TRUE(frame().commands().isEnabled(command::kFileOpen));
    // Menu 128 is shown: File, View, Help.
    EXPECT_EQ(frame().menuBar()->actions().size(), 3);
    EXPECT_EQ(withModalDialog([&] { selectInTree(treeItem(0)); }, [](QWidget*) {}), 0);
    // File New with no document asks nothing.
    frame().commands().trigger(command::kFileNew);
    EXPECT_EQ(run.messages.askedCount(), 0);
    EXPECT_EQ(frame().menuBar()->actions().size(), 7);  // with Window
}

TEST_F(MainFrame, AnOpenFileOpensAgainAsANewDocument) {
    const std::string path = dir.file("radio.dat");
    run.files.setNextFileName(QString::fromStdString(path));
    ASSERT_TRUE(frame().saveDocument(frame().activeChild(), true));
    ASSERT_NE(frame().openDocument(QString::fromStdString(path)), nullptr);
    ASSERT_NE(frame().openDocument(QString::fromStdString(path)), nullptr);
    EXPECT_EQ(frame().children().size(), 3u);
    EXPECT_EQ(frame().activeChild()->windowTitle(), QStringLiteral("radio.dat[*]"));
}

TEST_F(MainFrame, DroppedDocumentsOpenAndARefusedOneIsReported) {
    const std::string good = dir.file("dropped.dat");
    run.files.setNextFileName(QString::fromStdString(good));
    ASSERT_TRUE(frame().saveDocument(frame().activeChild(), true));
    const std::string bad = dir.file("short.dat");
    writeFile(bad, "not a radio");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(good)),
                  QUrl::fromLocalFile(QString::fromStdString(bad)),
                  QUrl(QStringLiteral("https://example.com/radio.dat"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &drop);
    EXPECT_EQ(frame().children().size(), 2u);
    EXPECT_EQ(frame().activeChild()->windowTitle(), QStringLiteral("dropped.dat[*]"));
    EXPECT_EQ(run.messages.askedCount(), 1);  // the short file
}

TEST_F(MainFrame, AnUnchangedDocumentClosesWithoutAQuestion) {
    EXPECT_TRUE(frame().close());
    EXPECT_EQ(run.messages.askedCount(), 0);
}

struct ModifiedCase {
    MessageBoxes::Answer answer;
    bool closes;
    bool saved;
};

class ModifiedPrompt : public MainFrame, public testing::WithParamInterface<ModifiedCase> {};

TEST_P(ModifiedPrompt, AsksSaveChangesWhenTheProgramEnds) {
    app::CChildFrame* child = frame().activeChild();
    child->setModified(true);
    EXPECT_TRUE(child->isWindowModified());
    const std::string path = dir.file("kept.dat");
    run.messages.setNextAnswer(GetParam().answer);
    run.files.setNextFileName(QString::fromStdString(path));
    EXPECT_EQ(frame().close(), GetParam().closes);
    EXPECT_EQ(run.messages.lastText(), QStringLiteral("Save changes?"));
    EXPECT_EQ(std::filesystem::exists(path), GetParam().saved);
    EXPECT_EQ(child->isModified(), !GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Answers, ModifiedPrompt,
                         testing::Values(ModifiedCase{MessageBoxes::Answer::Yes, true, true},
                                         ModifiedCase{MessageBoxes::Answer::No, true, false},
                                         ModifiedCase{MessageBoxes::Answer::Cancel, false, false}));

TEST_F(MainFrame, ASaveAsThatIsCancelledKeepsTheProgramRunning) {
    frame().activeChild()->setModified(true);
    run.messages.setNextAnswer(MessageBoxes::Answer::Yes);
    run.files.setNextFileName({});
    EXPECT_FALSE(frame().close());
}

TEST_F(MainFrame, LanguageSwitchWritesTheProfileThenAsksForARestart) {
    emit frame().languageChosen(Language::Chinese);
    EXPECT_TRUE(run.program.restartRequested());
    EXPECT_NE(readFile(dir.file("Program.ini")).find("Language=Chinese\r\n"), std::string::npos);
}

struct LanguageSwitchCase {
    MessageBoxes::Answer answer;
    bool restarts;
    bool saved;
};

class LanguageSwitchPrompt : public MainFrame,
                             public testing::WithParamInterface<LanguageSwitchCase> {};

TEST_P(LanguageSwitchPrompt, AsksSaveChangesAndRestartsOnlyWhenTheProgramEnds) {
    frame().activeChild()->setModified(true);
    const std::string before = readFile(dir.file("Program.ini"));
    const std::string path = dir.file("kept.dat");
    run.messages.setNextAnswer(GetParam().answer);
    run.files.setNextFileName(QString::fromStdString(path));
    emit frame().languageChosen(Language::Chinese);
    EXPECT_EQ(run.messages.lastText(), QStringLiteral("Save changes?"));
    EXPECT_EQ(run.program.restartRequested(), GetParam().restarts);
    EXPECT_EQ(std::filesystem::exists(path), GetParam().saved);
    const std::string after = readFile(dir.file("Program.ini"));
    EXPECT_EQ(after.find("Language=Chinese\r\n") != std::string::npos, GetParam().restarts);
    if (!GetParam().restarts) {
        EXPECT_EQ(after, before);
        EXPECT_TRUE(frame().activeChild()->isModified());
        EXPECT_TRUE(frame().isVisible());  // the program keeps running
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, LanguageSwitchPrompt,
                         testing::Values(LanguageSwitchCase{MessageBoxes::Answer::Yes, true, true},
                                         LanguageSwitchCase{MessageBoxes::Answer::No, true, false},
                                         LanguageSwitchCase{MessageBoxes::Answer::Cancel, false,
                                                            false}));

TEST_F(MainFrame, LanguageDialogWithTheCurrentLanguageDoesNothing) {
    bool chose = false;
    QObject::connect(&frame(), &app::CMainFrame::languageChosen, [&] { chose = true; });
    EXPECT_EQ(withModalDialog([&] { frame().commands().trigger(command::kLanguage); },
                              [](QWidget*) {}, true),
              1);
    EXPECT_FALSE(chose);
}

void chooseModelAndOk(QWidget* dialog, int index) {
    auto* dlg = static_cast<app::TemplateDialog*>(dialog);
    dlg->controlAs<QComboBox>(control::kModelList)->setCurrentIndex(index);
    QTest::mouseClick(dlg->control(control::kOk), Qt::LeftButton);
}

TEST_F(MainFrame, ProductInformationOkThatChangesTheModelMarksTheDocument) {
    app::CChildFrame* child = frame().activeChild();
    withModalDialog([&] { frame().commands().trigger(command::kProductInformation); },
                    [](QWidget* dialog) { chooseModelAndOk(dialog, 1); });
    EXPECT_TRUE(child->isModified());
    EXPECT_TRUE(child->isWindowModified());
    EXPECT_EQ(run.program.product().storedModelType, 2);
    EXPECT_EQ(run.program.product().bandLowerLimit, 400 * 100000);
}

TEST_F(MainFrame, ProductInformationOkWithTheSameModelLeavesTheDocumentUnchanged) {
    app::CChildFrame* child = frame().activeChild();
    withModalDialog([&] { frame().commands().trigger(command::kProductInformation); },
                    [](QWidget* dialog) { chooseModelAndOk(dialog, 0); });
    EXPECT_FALSE(child->isModified());
}

}  // namespace
}  // namespace kw::test
