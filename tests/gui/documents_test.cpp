#include <gtest/gtest.h>

#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <functional>

#include "app/child_frame.h"
#include "app/grid_table_model.h"
#include "app/main_frame.h"
#include "app/ms_flex_grid.h"
#include "app/program_view.h"
#include "app/recent_file_menu.h"
#include "app/window_menu.h"
#include "channels/frequency_codec.h"
#include "gui_support.h"
#include "model/document_file.h"
#include "model/image_layout.h"
#include "res/command_ids.h"
#include "res/messages.h"
#include "support/bytes.h"

namespace kw::test {
namespace {

using app::CChildFrame;
using app::MessageBoxes;

class Documents : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(run.start());
        run.frame().show();
    }

    app::CMainFrame& frame() { return run.frame(); }
    app::CProgramView& view() { return *frame().activeChild()->view(); }
    void typeInto(GridCell cell, const char* text) {
        app::CMSFlexGrid& grid = *view().grid();
        const QModelIndex index = app::GridTableModel::indexOf(*grid.model(), cell);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
        QTest::keyClicks(view().editorWidget(cell.column), QString::fromUtf8(text));
    }
    std::optional<std::int32_t> savedRx(const std::string& path) {
        const std::string file = readFile(path);
        const std::vector<std::uint8_t> image(file.begin(), file.end());
        return decodeFrequency(std::span<const std::uint8_t>(image)
                                   .subspan(record::kRxFrequency)
                                   .first<record::kFrequencySize>());
    }
    QString path(const std::string& name) { return QString::fromStdString(dir.file(name)); }
    void saveAs(const std::string& name) {
        run.files.setNextFileName(path(name));
        ASSERT_TRUE(frame().saveDocument(frame().activeChild(), true));
    }
    QStringList menuTexts(QMenu* menu) {
        QStringList texts;
        for (QAction* action : menu->actions()) {
            texts.push_back(action->text());
        }
        return texts;
    }
    ProgramDir dir;
    RunningProgram run{dir};
};

TEST_F(Documents, SaveTakesTheTextStillInTheEditor) {
    typeInto({1, kRxColumn}, "145.5");
    saveAs("typed.dat");
    EXPECT_EQ(savedRx(dir.file("typed.dat")), 14550000);
    EXPECT_EQ(view().channels().text(1, kBusyLockColumn), "Off");
}

TEST_F(Documents, SaveWithARefusedValueReportsItAndSavesTheOldText) {
    typeInto({1, kRxColumn}, "145.5");
    saveAs("first.dat");
    typeInto({1, kRxColumn}, "145.003");
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    saveAs("second.dat");
    EXPECT_EQ(run.messages.lastText(),
              QString::fromUtf8(messageText(MessageId::ErrorStepValue, Language::English)));
    EXPECT_EQ(savedRx(dir.file("second.dat")), 14550000);
}

TEST_F(Documents, ANewDocumentsSaveAsksWithTheBareAppNameAndOverwritesNothing) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.directory())));
    writeFile(dir.file("KWTest"), "keep");
    writeFile(dir.file("KWTest.dat"), "keep");
    run.files.setNextFileName({});
    EXPECT_FALSE(frame().saveDocument(frame().activeChild(), false));
    EXPECT_EQ(run.files.lastProposed(), "KWTest.dat");
    EXPECT_EQ(readFile(dir.file("KWTest")), "keep");
    EXPECT_EQ(readFile(dir.file("KWTest.dat")), "keep");
    QDir::setCurrent(before);
    // Once saved, Save goes to its file without asking.
    saveAs("mine.dat");
    run.files.setNextFileName(path("never-asked.dat"));
    EXPECT_TRUE(frame().saveDocument(frame().activeChild(), false));
    EXPECT_FALSE(std::filesystem::exists(dir.file("never-asked.dat")));
}

TEST_F(Documents, OpenRefusalSaysWhy) {
    writeFile(dir.file("short.dat"), "too short");
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    run.files.setNextFileName(path("short.dat"));
    frame().commands().trigger(command::kFileOpen);
    EXPECT_EQ(run.messages.lastText(), QString::fromStdString(documentProblemText(
                                           DocumentProblem::WrongSize, 9, Language::English)));
    EXPECT_EQ(frame().children().size(), 1u);
}

TEST_F(Documents, OpenWithNoDocumentWindowOnlyOpens) {
    saveAs("radio.dat");
    frame().destroyDocument(frame().activeChild());
    ASSERT_EQ(frame().activeChild(), nullptr);
    run.files.setNextFileName(path("radio.dat"));
    frame().commands().trigger(command::kFileOpen);
    EXPECT_TRUE(frame().isVisible());
    ASSERT_EQ(frame().children().size(), 1u);
    EXPECT_FALSE(frame().children().front()->isHidden());
}

TEST_F(Documents, OpenReplacesTheActiveWindow) {
    saveAs("radio.dat");
    CChildFrame* first = frame().activeChild();
    ASSERT_NE(frame().openDocument(path("radio.dat")), nullptr);
    EXPECT_TRUE(first->isHidden());
    EXPECT_NE(frame().activeChild(), first);
}

TEST_F(Documents, CloseHidesTheWindowAndTheWindowMenuBringsItBack) {
    CChildFrame* first = frame().activeChild();
    CChildFrame* second = frame().newDocument();
    frame().mdiArea()->setActiveSubWindow(first);
    frame().commands().trigger(command::kFileClose);
    EXPECT_TRUE(first->isHidden());
    frame().mdiArea()->setActiveSubWindow(second);

    app::WindowMenu* menu = frame().windowMenu();
    emit menu->aboutToShow();
    ASSERT_EQ(menu->documentActions().size(), 2);
    EXPECT_EQ(menu->documentActions()[0]->text(), "&1 Channel Information");
    EXPECT_TRUE(menu->documentActions()[1]->isChecked());
    menu->documentActions()[0]->trigger();
    EXPECT_FALSE(first->isHidden());
    EXPECT_EQ(frame().activeChild(), first);
    EXPECT_TRUE(menuTexts(menu).contains("&Cascade"));
    EXPECT_TRUE(menuTexts(menu).contains("&Tile"));
}

TEST_F(Documents, RecentFilesAreListedNewestFirstAndKeptForTheNextRun) {
    saveAs("r&d.dat");
    saveAs("b.dat");
    const QString second = "&2 " + path("r&d.dat").replace("&", "&&");
    QMenu* file = frame().popup(resource::kDocumentMenu, 0);
    const QStringList texts = menuTexts(file);
    const qsizetype first = texts.indexOf("&1 " + path("b.dat"));
    ASSERT_GE(first, 0);
    EXPECT_EQ(texts[first + 1], second);
    EXPECT_TRUE(menuTexts(frame().popup(resource::kMainMenu, 0)).contains(second));

    RunningProgram next(dir);
    ASSERT_TRUE(next.start());
    EXPECT_EQ(next.frame().recentFiles()->list().entries(),
              (std::vector<std::string>{dir.file("b.dat"), dir.file("r&d.dat")}));
}

TEST_F(Documents, ARecentFileOpensAndOneThatNoLongerOpensLeavesTheList) {
    saveAs("a.dat");
    saveAs("b.dat");
    QMenu* file = frame().popup(resource::kDocumentMenu, 0);
    const auto entry = [&](const std::string& name) -> QAction* {
        for (QAction* action : file->actions()) {
            if (action->text().endsWith(path(name))) {
                return action;
            }
        }
        return nullptr;
    };
    ASSERT_NE(entry("a.dat"), nullptr);
    entry("a.dat")->trigger();
    EXPECT_EQ(frame().activeChild()->document().path(), dir.file("a.dat"));

    std::filesystem::remove(dir.file("b.dat"));
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    entry("b.dat")->trigger();
    EXPECT_EQ(run.messages.askedCount(), 1);
    EXPECT_EQ(entry("b.dat"), nullptr);
}

TEST_F(Documents, AnActiveViewBringsBackItsOwnModelAndBandWithoutARefill) {
    CChildFrame* vhf = frame().activeChild();
    typeInto({1, kRxColumn}, "145.5");
    QTest::keyClick(vhf->view()->editorWidget(kRxColumn), Qt::Key_Return);
    ProductState& product = run.program.product();
    product.storedModelType = 2;
    const auto uhfBand = bytes("40 52 00 40 52 00");
    std::copy(uhfBand.begin(), uhfBand.end(), product.storedBand.begin());
    CChildFrame* uhf = frame().newDocument();
    EXPECT_EQ(product.bandLowerLimit, 400 * 100000);

    frame().mdiArea()->setActiveSubWindow(vhf);
    EXPECT_EQ(product.storedModelType, 1);
    EXPECT_EQ(product.bandLowerLimit, 136 * 100000);
    EXPECT_EQ(product.bandUpperLimit, 174 * 100000);
    // The grid still holds the channel typed but not yet committed to the image.
    EXPECT_EQ(vhf->view()->channels().text(1, kRxColumn), "145.50000");

    frame().mdiArea()->setActiveSubWindow(uhf);
    EXPECT_EQ(product.storedModelType, 2);
    EXPECT_EQ(product.bandUpperLimit, 520 * 100000);
}

// A value still being typed counts as a change wherever its document may be closed or
// replaced; where the program asks at once, "Save changes?" comes (answered Cancel).
struct LeavingCase {
    const char* name;
    std::function<void(app::CMainFrame&, const QString& saved)> leave;
    bool asksAtOnce;
};

class LeavingADocument : public Documents, public testing::WithParamInterface<LeavingCase> {};

TEST_P(LeavingADocument, TakesTheTypedValueFirst) {
    saveAs("saved.dat");
    CChildFrame* first = frame().activeChild();
    typeInto({1, kRxColumn}, "150.0");
    if (GetParam().asksAtOnce) {
        run.messages.setNextAnswer(MessageBoxes::Answer::Cancel);
    }
    GetParam().leave(frame(), path("saved.dat"));
    EXPECT_TRUE(first->isModified());
    EXPECT_EQ(first->view()->channels().text(1, kRxColumn), "150.00000");
    EXPECT_EQ(run.messages.askedCount(), GetParam().asksAtOnce ? 1 : 0);
    if (GetParam().asksAtOnce) {
        EXPECT_EQ(run.messages.lastText(), "Save changes?");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, LeavingADocument,
    testing::Values(
        LeavingCase{"Exit", [](app::CMainFrame& f, const QString&) { f.close(); }, true},
        LeavingCase{
            "FileNew",
            [](app::CMainFrame& f, const QString&) { f.commands().trigger(command::kFileNew); },
            true},
        LeavingCase{
            "LanguageSwitch",
            [](app::CMainFrame& f, const QString&) { emit f.languageChosen(Language::Chinese); },
            true},
        LeavingCase{"OpenOverIt",
                    [](app::CMainFrame& f, const QString& saved) { f.openDocument(saved); }, false},
        LeavingCase{
            "CloseItsWindow",
            [](app::CMainFrame& f, const QString&) { f.commands().trigger(command::kFileClose); },
            false},
        LeavingCase{"SwitchToAnother", [](app::CMainFrame& f, const QString&) { f.newDocument(); },
                    false}),
    [](const testing::TestParamInfo<LeavingCase>& info) { return info.param.name; });

TEST_F(Documents, ARefusedTypedValueKeepsTheProgramRunningToPutItRight) {
    typeInto({1, kRxColumn}, "145.003");
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    EXPECT_FALSE(frame().close());
    EXPECT_EQ(run.messages.lastText(),
              QString::fromUtf8(messageText(MessageId::ErrorStepValue, Language::English)));
    EXPECT_TRUE(view().editorWidget(kRxColumn)->isVisible());
}

struct NewOverChangesCase {
    MessageBoxes::Answer answer;  // to "Save changes?"
    bool saved;
    bool replaced;
};

class NewOverChanges : public Documents, public testing::WithParamInterface<NewOverChangesCase> {};

TEST_P(NewOverChanges, AsksToSaveBeforeClearing) {
    saveAs("kept.dat");
    CChildFrame* first = frame().activeChild();
    const std::string before = readFile(dir.file("kept.dat"));
    typeInto({1, kRxColumn}, "150.0");
    run.messages.setNextAnswer(GetParam().answer);
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);  // "All data will be Cleared!"
    frame().commands().trigger(command::kFileNew);
    EXPECT_EQ(readFile(dir.file("kept.dat")) != before, GetParam().saved);
    EXPECT_EQ(frame().activeChild() != first, GetParam().replaced);
    EXPECT_EQ(run.messages.askedCount(), GetParam().replaced ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, NewOverChanges,
                         testing::Values(NewOverChangesCase{MessageBoxes::Answer::Yes, true, true},
                                         NewOverChangesCase{MessageBoxes::Answer::No, false, true},
                                         NewOverChangesCase{MessageBoxes::Answer::Cancel, false,
                                                            false}));

TEST_F(Documents, TheWindowAndTheWindowMenuShowTheFileNameAfterSaveAsAndOpen) {
    frame().activeChild()->showMaximized();
    saveAs("edited.dat");
    EXPECT_EQ(frame().activeChild()->windowTitle(), "edited.dat[*]");
    EXPECT_TRUE(frame().windowTitle().contains("edited.dat"))
        << frame().windowTitle().toStdString();
    frame().openDocument(path("edited.dat"));
    app::WindowMenu* menu = frame().windowMenu();
    emit menu->aboutToShow();
    ASSERT_EQ(menu->documentActions().size(), 2);
    EXPECT_EQ(menu->documentActions()[0]->text(), "&1 edited.dat");
    EXPECT_EQ(menu->documentActions()[1]->text(), "&2 edited.dat");
}

// Saving over a file another program changed since it was opened or saved here asks first.
struct ChangedOnDiskCase {
    bool changedOnDisk;
    MessageBoxes::Answer answer;
    bool asked;
    bool saved;
};

class ChangedOnDisk : public Documents, public testing::WithParamInterface<ChangedOnDiskCase> {};

TEST_P(ChangedOnDisk, SaveAsksBeforeOverwritingIt) {
    saveAs("shared.dat");
    if (GetParam().changedOnDisk) {
        std::string other = readFile(dir.file("shared.dat"));
        other[0] ^= 0xFF;
        writeFile(dir.file("shared.dat") + ".new", other);
        std::filesystem::rename(dir.file("shared.dat") + ".new", dir.file("shared.dat"));
    }
    const std::string before = readFile(dir.file("shared.dat"));
    typeInto({1, kRxColumn}, "150.0");
    if (GetParam().asked) {
        run.messages.setNextAnswer(GetParam().answer);
    }
    EXPECT_EQ(frame().saveDocument(frame().activeChild(), false), GetParam().saved);
    EXPECT_EQ(run.messages.askedCount(), GetParam().asked ? 1 : 0);
    EXPECT_EQ(readFile(dir.file("shared.dat")) != before, GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangedOnDisk,
    testing::Values(ChangedOnDiskCase{false, MessageBoxes::Answer::Cancel, false, true},
                    ChangedOnDiskCase{true, MessageBoxes::Answer::Cancel, true, false},
                    ChangedOnDiskCase{true, MessageBoxes::Answer::Ok, true, true}));

TEST_F(Documents, AValueTheRulesChangeIsShownInTheStatusBar) {
    typeInto({1, kRxColumn}, "145.5");
    QTest::keyClick(view().editorWidget(kRxColumn), Qt::Key_Return);
    typeInto({1, kTxColumn}, "180");
    QTest::keyClick(view().editorWidget(kTxColumn), Qt::Key_Return);
    EXPECT_EQ(frame().statusBar()->currentMessage(),
              "Warning: cell 1:2 was given \"180\" and stored as \"136.00000\".");
}

}  // namespace
}  // namespace kw::test
