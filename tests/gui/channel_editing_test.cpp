// Channel editing in the desktop program: the clipboard as tab-separated text, rows
// selected by their titles and dropped between windows, Set for selected rows and Fill
// Down, and undo and redo of every kind of step.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "app/child_frame.h"
#include "app/grid_table_model.h"
#include "app/main_frame.h"
#include "app/ms_flex_grid.h"
#include "app/optional_features_dlg.h"
#include "app/process_dlg.h"
#include "app/program_view.h"
#include "app/row_drag.h"
#include "app/set_rows_dlg.h"
#include "app/template_dialog.h"
#include "app/transfer_windows.h"
#include "channel_entry.h"
#include "e2e/cli_process.h"
#include "gui_support.h"
#include "res/command_ids.h"
#include "session/history_step.h"
#include "support/temp_dir.h"

namespace kw::test {
namespace {

using app::CChildFrame;
using app::MessageBoxes;
using namespace command;

std::vector<std::string> rowTexts(CChildFrame& child, int row) {
    std::vector<std::string> texts;
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        texts.push_back(child.session().grid().text(row, column));
    }
    return texts;
}

class ChannelEditing : public testing::Test {
  public:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startWith(std::nullopt)); }

    void startWith(std::optional<std::string> port) {
        run.emplace(dir, QStringList{}, std::move(port));
        ASSERT_TRUE(run->start());
        frame().show();
        frame().activateWindow();
        // Shortcuts reach the active window only.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
        // The sample channels are where the history starts.
        ASSERT_TRUE(enterChannels(*child(), run->program.product()));
        (void)child()->session().recordStep(HistoryStep::Typing);
    }

    app::CMainFrame& frame() { return run->frame(); }
    CChildFrame* child() { return frame().activeChild(); }
    app::CMSFlexGrid& grid(CChildFrame* of = nullptr) {
        return *(of ? of : child())->view()->grid();
    }
    QPoint centreOf(GridCell cell, CChildFrame* of = nullptr) {
        return grid(of).visualRect(app::GridTableModel::indexOf(*grid(of).model(), cell)).center();
    }
    void click(GridCell cell, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, modifiers, centreOf(cell));
    }
    void clickRowTitle(int row, Qt::KeyboardModifiers modifiers = {}) {
        QHeaderView* titles = grid().verticalHeader();
        const int y = titles->sectionViewportPosition(row - kFirstChannelRow) +
                      titles->sectionSize(row - kFirstChannelRow) / 2;
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, modifiers,
                          QPoint(titles->width() / 2, y));
    }
    // Keys go where the user's keys go: the editor over the current cell.
    QWidget* keyTarget() { return child()->view()->editorWidget(grid().current().column); }
    QString undoText() { return frame().commands().actions(kEditUndo).front()->text(); }
    QString redoText() { return frame().commands().actions(kEditRedo).front()->text(); }
    RadioImage committed() { return child()->session().committedImage(); }
    void setForSelectedRows(int choice, const QString& value) {
        ASSERT_EQ(withModalDialog([&] { frame().commands().trigger(kSetForSelectedRows); },
                                  [&](QWidget* widget) {
                                      auto* dialog = static_cast<app::SetForRowsDlg*>(widget);
                                      dialog->columnList()->setCurrentIndex(choice);
                                      dialog->valueList()->setCurrentText(value);
                                  },
                                  true),
                  1);
        // The main window is active again for the keys that follow.
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    }

    ProgramDir dir;
    TempDir files;
    std::optional<RunningProgram> run;
};

TEST_F(ChannelEditing, RowsGoToTheClipboardAsTabSeparatedLinesAndPasteBackElsewhere) {
    clickRowTitle(1);
    clickRowTitle(3, Qt::ShiftModifier);
    EXPECT_EQ(grid().selectedRows(), (std::vector<int>{1, 2, 3}));
    frame().activateWindow();
    QTest::keyClick(keyTarget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "145.50000\t145.50000\tNone\tNone\tALPHA\tHigh\tWide\tYes\tOff\n"
              "146.02500\t146.02500\tNone\tNone\tBRAVO\tHigh\tWide\tYes\tOff\n"
              "147.33750\t147.33750\tNone\tNone\tRPT\tHigh\tWide\tYes\tOff\n");

    click({10, kRxColumn});
    QTest::keyClick(keyTarget(), Qt::Key_V, Qt::ControlModifier);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(rowTexts(*child(), row + 9), rowTexts(*child(), row)) << row;
    }
    EXPECT_EQ(undoText(), "Undo Paste\tCtrl+Z");

    // A cell range copies just its cells.
    click({2, kNameColumn});
    click({3, kPowerColumn}, Qt::ShiftModifier);
    frame().commands().trigger(kEditCopy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "BRAVO\tHigh\nRPT\tHigh\n");
}

TEST_F(ChannelEditing, ARefusedCellIsListedAndTheRestLandsOnlyWhenTheUserAgrees) {
    click({1, kNameColumn});
    QGuiApplication::clipboard()->setText(QStringLiteral("NEW\tLoud\n"));
    run->messages.setNextAnswer(MessageBoxes::Answer::Cancel);
    frame().commands().trigger(kEditPaste);
    EXPECT_TRUE(run->messages.lastText().contains(
        QStringLiteral("1:6 \"Loud\": not one of the column's choices")))
        << run->messages.lastText().toStdString();
    EXPECT_EQ(child()->session().grid().text(1, kNameColumn), "ALPHA");
    EXPECT_EQ(child()->session().undoStep(), HistoryStep::Typing);

    run->messages.setNextAnswer(MessageBoxes::Answer::Ok);
    frame().commands().trigger(kEditPaste);
    EXPECT_EQ(child()->session().grid().text(1, kNameColumn), "NEW");
    EXPECT_EQ(child()->session().grid().text(1, kPowerColumn), "High");
    EXPECT_EQ(undoText(), "Undo Paste\tCtrl+Z");
    frame().commands().trigger(kEditUndo);
    EXPECT_EQ(child()->session().grid().text(1, kNameColumn), "ALPHA");
}

void dropRows(app::CMSFlexGrid& onto, QMimeData* data, QPoint at) {
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(onto.viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(onto.viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
}

TEST_F(ChannelEditing, RowsDroppedOnAnotherWindowAreCopiedAndWithinTheirOwnMoved) {
    CChildFrame* source = child();
    CChildFrame* target = frame().newDocument();
    ASSERT_NE(source, target);
    const std::unique_ptr<QMimeData> both(app::rowsMimeData(grid(source), {1, 2}, {}));
    dropRows(grid(target), both.get(), centreOf({5, kRxColumn}, target));
    EXPECT_EQ(rowTexts(*target, 5), rowTexts(*source, 1));
    EXPECT_EQ(rowTexts(*target, 6), rowTexts(*source, 2));
    EXPECT_EQ(target->session().undoStep(), HistoryStep::Paste);
    EXPECT_TRUE(target->isWindowModified());
    EXPECT_EQ(source->session().grid().text(1, kNameColumn), "ALPHA");

    const std::unique_ptr<QMimeData> first(app::rowsMimeData(grid(source), {1}, {}));
    dropRows(grid(source), first.get(), centreOf({3, kRxColumn}, source));
    EXPECT_EQ(source->session().grid().text(1, kNameColumn), "BRAVO");
    EXPECT_EQ(source->session().grid().text(2, kNameColumn), "RPT");
    EXPECT_EQ(source->session().grid().text(3, kNameColumn), "ALPHA");
    EXPECT_EQ(source->session().undoStep(), HistoryStep::Move);
    EXPECT_EQ(grid(source).selectedRows(), std::vector<int>{3});

    // Fr never moves.
    run->messages.setNextAnswer(MessageBoxes::Answer::Ok);
    const std::unique_ptr<QMimeData> fr(app::rowsMimeData(grid(source), {kFrRow}, {}));
    dropRows(grid(source), fr.get(), centreOf({4, kRxColumn}, source));
    EXPECT_EQ(source->session().grid().text(kFrRow, kNameColumn), "FR");
    EXPECT_EQ(run->messages.askedCount(), 1);
}

TEST_F(ChannelEditing, SetForSelectedRowsAndFillDownChangeTheChosenRowsOnly) {
    clickRowTitle(1);
    clickRowTitle(3, Qt::ControlModifier);
    setForSelectedRows(0, QStringLiteral("Low"));  // Power
    EXPECT_EQ(child()->session().grid().text(1, kPowerColumn), "Low");
    EXPECT_EQ(child()->session().grid().text(2, kPowerColumn), "High");
    EXPECT_EQ(child()->session().grid().text(3, kPowerColumn), "Low");
    EXPECT_EQ(undoText(), "Undo Set for Selected Rows\tCtrl+Z");

    clickRowTitle(1);
    clickRowTitle(3, Qt::ShiftModifier);
    setForSelectedRows(6, QStringLiteral("D023N"));  // both tones
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(child()->session().grid().text(row, kDecodeToneColumn), "D023N") << row;
        EXPECT_EQ(child()->session().grid().text(row, kEncodeToneColumn), "D023N") << row;
    }
    EXPECT_EQ(child()->session().grid().text(kFrRow, kDecodeToneColumn), "None");

    click({1, kNameColumn});
    click({3, kNameColumn}, Qt::ShiftModifier);
    QTest::keyClick(keyTarget(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(child()->session().grid().text(2, kNameColumn), "ALPHA");
    EXPECT_EQ(child()->session().grid().text(3, kNameColumn), "ALPHA");
    EXPECT_EQ(child()->session().grid().text(3, kRxColumn), "147.33750");
    EXPECT_EQ(undoText(), "Undo Fill Down\tCtrl+Z");
}

TEST_F(ChannelEditing, AChirpImportListsRefusedLinesAndTakesTheRestOrNothing) {
    run->files.setNextFileName(QString::fromStdString(files.file("saved.dat")));
    ASSERT_TRUE(frame().saveDocument(child(), true));
    const std::string csv = files.file("chirp.csv");
    std::ofstream(csv)
        << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
           "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\n"
           "1,SIMPLEX,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
           "5.0W,\n"
           "2,NOTX,146.940000,off,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
           "5.0W,\n";
    const QString chirp = QStringLiteral("CHIRP CSV (*.csv)");
    for (const MessageBoxes::Answer answer :
         {MessageBoxes::Answer::Cancel, MessageBoxes::Answer::Ok}) {
        run->files.setNextFileName(QString::fromStdString(csv));
        run->files.setNextFilter(chirp);
        run->messages.setNextAnswer(answer);
        frame().commands().trigger(kFileImport);
        EXPECT_TRUE(run->messages.lastText().contains(QStringLiteral("Line 3, column \"Duplex\"")))
            << run->messages.lastText().toStdString();
        const bool taken = answer == MessageBoxes::Answer::Ok;
        EXPECT_EQ(child()->session().grid().text(1, kNameColumn), taken ? "SIMPLEX" : "ALPHA");
        EXPECT_EQ(child()->session().grid().text(2, kNameColumn), "BRAVO");
    }
    EXPECT_EQ(undoText(), "Undo Import\tCtrl+Z");

    const std::string exported = files.file("out.csv");
    run->files.setNextFileName(QString::fromStdString(exported));
    run->files.setNextFilter(chirp);
    frame().commands().trigger(kFileExport);
    EXPECT_TRUE(run->files.lastProposed().endsWith(QStringLiteral("saved.csv")))
        << run->files.lastProposed().toStdString();
    std::ifstream written(exported);
    std::string header;
    std::getline(written, header);
    EXPECT_EQ(header.rfind("Location,Name,Frequency,Duplex,Offset,Tone,", 0), 0u) << header;
}

struct StepCase {
    const char* name;
    std::function<void(ChannelEditing&)> act;
};

TEST_F(ChannelEditing, EveryKindOfStepUndoesAndRedoesAndUndoToTheSavedStateClearsModified) {
    run->files.setNextFileName(QString::fromStdString(files.file("saved.dat")));
    ASSERT_TRUE(frame().saveDocument(child(), true));
    const std::string csv = files.file("import.csv");
    std::ofstream(csv) << "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Chnnel Name,Power,"
                          " W/N ,Scan Add,Busy Lock\n"
                          "7,150.00000,150.00000,None,None,IMP,Low,Wide,Yes,Off\n";
    const auto selectRow = [](ChannelEditing& test, int row) { test.clickRowTitle(row); };
    const std::vector<StepCase> cases{
        {"Typing",
         [](ChannelEditing& test) {
             test.click({5, kRxColumn});
             QTest::keyClicks(test.child()->view()->editorWidget(kRxColumn), "146.5");
             test.click({6, kRxColumn});
         }},
        {"Paste",
         [](ChannelEditing& test) {
             test.click({1, kNameColumn});
             QGuiApplication::clipboard()->setText(QStringLiteral("ZED"));
             test.frame().commands().trigger(kEditPaste);
         }},
        {"Cut",
         [&](ChannelEditing& test) {
             selectRow(test, 2);
             test.frame().commands().trigger(kEditCut);
         }},
        {"Insert",
         [&](ChannelEditing& test) {
             selectRow(test, 2);
             test.frame().commands().trigger(kInsertChannel);
         }},
        {"Delete",
         [&](ChannelEditing& test) {
             selectRow(test, 2);
             test.frame().commands().trigger(kDeleteChannels);
         }},
        {"Move",
         [&](ChannelEditing& test) {
             selectRow(test, 2);
             QTest::keyClick(test.keyTarget(), Qt::Key_Down, Qt::AltModifier);
         }},
        {"Duplicate",
         [&](ChannelEditing& test) {
             selectRow(test, 1);
             test.frame().commands().trigger(kDuplicateChannels);
         }},
        {"Set for Selected Rows",
         [&](ChannelEditing& test) {
             selectRow(test, 1);
             test.setForSelectedRows(1, QStringLiteral("Narrow"));
         }},
        {"Fill Down",
         [&](ChannelEditing& test) {
             selectRow(test, 1);
             test.clickRowTitle(2, Qt::ShiftModifier);
             test.frame().commands().trigger(kFillDown);
         }},
        {"Sort",
         [](ChannelEditing& test) { test.frame().commands().trigger(kSortNameDescending); }},
        {"Import",
         [&](ChannelEditing& test) {
             test.run->files.setNextFileName(QString::fromStdString(csv));
             test.frame().commands().trigger(kFileImport);
         }},
        {"Optional Features",
         [](ChannelEditing& test) {
             withModalDialog([&] { test.frame().commands().trigger(kOptionalFeatures); },
                             [](QWidget* widget) {
                                 auto* dialog = static_cast<app::COptionalFeaturesDlg*>(widget);
                                 dialog->controlAs<QComboBox>(1125)->setCurrentIndex(3);
                                 QTest::mouseClick(dialog->control(1), Qt::LeftButton);
                             });
         }},
        {"Product Information",
         [](ChannelEditing& test) {
             withModalDialog(
                 [&] { test.frame().commands().trigger(kProductInformation); },
                 [](QWidget* widget) {
                     auto* dialog = static_cast<app::TemplateDialog*>(widget);
                     dialog->controlAs<QComboBox>(control::kModelList)->setCurrentIndex(1);
                     QTest::mouseClick(dialog->control(control::kOk), Qt::LeftButton);
                 });
         }},
    };
    bool first = true;
    for (const StepCase& step : cases) {
        const RadioImage before = committed();
        step.act(*this);
        const RadioImage after = committed();
        EXPECT_NE(after, before) << step.name << run->messages.lastText().toStdString();
        EXPECT_EQ(undoText(),
                  QStringLiteral("Undo %1\tCtrl+Z").arg(QString::fromLatin1(step.name)));
        EXPECT_TRUE(child()->isWindowModified()) << step.name;
        frame().commands().trigger(kEditUndo);
        EXPECT_EQ(committed(), before) << step.name;
        EXPECT_EQ(redoText(),
                  QStringLiteral("Redo %1\tCtrl+Y").arg(QString::fromLatin1(step.name)));
        // The first step undone is back at the saved file.
        EXPECT_EQ(child()->isWindowModified(), !first) << step.name;
        frame().commands().trigger(kEditRedo);
        EXPECT_EQ(committed(), after) << step.name;
        first = false;
    }
    // Product Information's step took the band with it, and undo brings it back.
    EXPECT_EQ(run->program.product().bandLowerLimit, 400 * kUnitsPerMhz);
    frame().commands().trigger(kEditUndo);
    EXPECT_EQ(run->program.product().bandLowerLimit, 136 * kUnitsPerMhz);
    EXPECT_EQ(run->messages.askedCount(), 0) << run->messages.lastText().toStdString();
}

TEST(ChannelEditingRead, ACompletedReadIsOneStep) {
    auto sim = startSim({"--model", "KW-217V", "--baud", "0"});
    ProgramDir dir;
    RunningProgram run(dir, {}, sim.device());
    ASSERT_TRUE(run.start());
    CChildFrame* child = run.frame().activeChild();
    ASSERT_TRUE(enterChannels(*child, run.program.product()));
    (void)child->session().recordStep(HistoryStep::Typing);
    ASSERT_TRUE(run.frame().commands().trigger(kRead));
    app::CProcessDlg* window = run.frame().transfers().windowOf(child);
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->commands().state() == ProcessWindowState::Absent; }, 60000));
    EXPECT_NE(child->session().grid().text(1, kNameColumn), "ALPHA");
    EXPECT_EQ(child->session().undoStep(), HistoryStep::Read);
    run.frame().commands().trigger(kEditUndo);
    EXPECT_EQ(child->session().grid().text(1, kNameColumn), "ALPHA");
}

}  // namespace
}  // namespace kw::test
