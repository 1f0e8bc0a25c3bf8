#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "app/child_frame.h"
#include "app/grid_corner_title.h"
#include "app/grid_table_model.h"
#include "app/help_viewer.h"
#include "app/main_frame.h"
#include "app/ms_flex_grid.h"
#include "app/process_dlg.h"
#include "app/program_view.h"
#include "app/transfer_windows.h"
#include "channels/frequency_codec.h"
#include "gui_support.h"
#include "model/image_layout.h"
#include "res/command_ids.h"
#include "res/messages.h"
#include "support/bytes.h"

namespace kw::test {
namespace {

using Row = std::vector<std::string>;

class ChannelView : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(run.start());
        run.frame().show();
        run.frame().activateWindow();
        QApplication::setActiveWindow(&run.frame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&run.frame()));
        view = run.frame().activeChild()->view();
    }

    app::CMSFlexGrid& grid() { return *view->grid(); }
    QWidget* editor(int column) { return view->editorWidget(column); }
    QLineEdit* lineEditor(int column) { return qobject_cast<QLineEdit*>(editor(column)); }

    void click(GridCell cell) {
        const QModelIndex index = app::GridTableModel::indexOf(*grid().model(), cell);
        grid().scrollTo(index);
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().visualRect(index).center());
    }
    void typeInto(GridCell cell, const char* text) {
        click(cell);
        QTest::keyClicks(editor(cell.column), QString::fromUtf8(text));
    }
    Row row(int r) const {
        Row texts;
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            texts.push_back(view->channels().text(r, column));
        }
        return texts;
    }
    // An existing channel to edit: 145.5 typed into row `r` and committed.
    void makeChannel(int r) {
        typeInto({r, kRxColumn}, "145.5");
        QTest::keyClick(editor(kRxColumn), Qt::Key_Return);
    }
    QString message(MessageId id) { return QString::fromUtf8(messageText(id, Language::English)); }

    ProgramDir dir;
    RunningProgram run{dir};
    app::CProgramView* view = nullptr;
};

const Row kNewChannel{"145.50000", "145.50000", "None", "None", "", "High", "Wide", "Yes", "Off"};
const Row kEmptyRow(9, "");

TEST_F(ChannelView, TheModelPassesTheItemModelChecks) {
    QAbstractItemModelTester tester(grid().model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    makeChannel(1);
    view->refill();
}

TEST_F(ChannelView, GridShowsTitlesFixedColourCourierNamesAndWidthsFromTheBase) {
    EXPECT_EQ(grid().model()->headerData(0, Qt::Horizontal).toString(), "Rx Frequency");
    EXPECT_EQ(grid().model()->headerData(4, Qt::Horizontal).toString(), "Chnnel Name");
    EXPECT_EQ(grid().model()->headerData(127, Qt::Vertical).toString(), "128");
    EXPECT_EQ(grid().model()->headerData(128, Qt::Vertical).toString(), "Fr");
    EXPECT_EQ(grid().fixedColour(), QColor(0, 50, 240));
    EXPECT_EQ(grid().model()->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
              QColor(0, 50, 240));
    // The top-left cell holds the row titles' own title.
    const app::GridCornerTitle* corner = grid().cornerTitle();
    EXPECT_EQ(corner->text(), "CH");
    EXPECT_TRUE(corner->isVisible());
    EXPECT_EQ(corner->geometry(),
              QRect(grid().verticalHeader()->x(), grid().horizontalHeader()->y(),
                    grid().verticalHeader()->width(), grid().horizontalHeader()->height()));
    EXPECT_EQ(grid().cellFont({1, kNameColumn}).family(), "Courier");
    EXPECT_EQ(grid().cellFont({129, kNameColumn}).family(), "Courier");
    EXPECT_NE(grid().cellFont({1, kRxColumn}).family(), "Courier");
    const QModelIndex cell = app::GridTableModel::indexOf(*grid().model(), {7, kPowerColumn});
    EXPECT_EQ(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    const int base = grid().baseWidth();
    for (int column = 0; column < kGridColumnCount; ++column) {
        EXPECT_EQ(grid().columnWidthOf(column), columnWidth(column, base)) << column;
    }
    // Initialisation leaves row 1, "Chnnel Name" current with no editor showing.
    EXPECT_EQ(grid().current(), (GridCell{1, kNameColumn}));
    EXPECT_FALSE(editor(kNameColumn)->isVisible());
}

TEST_F(ChannelView, AChineseGridHasChineseTitlesListsAndDefaults) {
    ProgramDir chinese(programIni("Language=Chinese\r\nAppName=KWTest\r\n"));
    RunningProgram other(chinese);
    ASSERT_TRUE(other.start());
    app::CProgramView* chineseView = other.frame().activeChild()->view();
    app::CMSFlexGrid& chineseGrid = *chineseView->grid();
    EXPECT_EQ(chineseGrid.model()->headerData(0, Qt::Horizontal).toString(), "接收频率");
    EXPECT_EQ(chineseGrid.textMatrix(0, 0), "信道");
    EXPECT_EQ(chineseGrid.cornerTitle()->text(), "信道");
    EXPECT_EQ(qobject_cast<QComboBox*>(chineseView->editorWidget(kBusyLockColumn))->itemText(1),
              "载波");
    chineseGrid.moveCurrentCell({1, kRxColumn});
    QTest::keyClicks(chineseView->editorWidget(kRxColumn), "145.5");
    chineseGrid.moveCurrentCell({2, kRxColumn});
    Row texts;
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        texts.push_back(chineseView->channels().text(1, column));
    }
    EXPECT_EQ(texts, (Row{"145.50000", "145.50000", "无", "无", "", "高", "宽", "是", "关"}));
}

TEST_F(ChannelView, AFirstFrequencyFillsTheRowWithTheDefaults) {
    typeInto({1, kRxColumn}, "145.5");
    click({2, kRxColumn});
    EXPECT_EQ(row(1), kNewChannel);
    EXPECT_EQ(grid().model()->index(0, 5).data().toString(), "High");
    EXPECT_TRUE(run.frame().activeChild()->isModified());
    EXPECT_EQ(run.messages.askedCount(), 0);
}

TEST_F(ChannelView, ChangingTheRxOfAChannelKeepsItsTx) {
    makeChannel(1);
    typeInto({1, kRxColumn}, "146");
    click({1, kPowerColumn});
    EXPECT_EQ(view->channels().text(1, kRxColumn), "146.00000");
    EXPECT_EQ(view->channels().text(1, kTxColumn), "145.50000");
}

struct RejectionCase {
    const char* typed;
    MessageId message;
    bool byEnter;
    const char* editorAfter;
};

class Rejection : public ChannelView, public testing::WithParamInterface<RejectionCase> {};

TEST_P(Rejection, KeepsTheRowAndShowsWhy) {
    makeChannel(1);
    typeInto({1, kRxColumn}, GetParam().typed);
    run.messages.setNextAnswer(app::MessageBoxes::Answer::Ok);
    if (GetParam().byEnter) {
        QTest::keyClick(editor(kRxColumn), Qt::Key_Return);
    } else {
        click({3, kNameColumn});
    }
    EXPECT_EQ(run.messages.askedCount(), 1);
    EXPECT_EQ(run.messages.lastText(), message(GetParam().message));
    EXPECT_EQ(row(1), kNewChannel);
    // The editor stays over its own cell for the value to be put right.
    EXPECT_EQ(grid().current(), (GridCell{1, kRxColumn}));
    EXPECT_TRUE(editor(kRxColumn)->isVisible());
    EXPECT_EQ(lineEditor(kRxColumn)->text(), GetParam().editorAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, Rejection,
    testing::Values(RejectionCase{"145.003", MessageId::ErrorStepValue, false, "145.003"},
                    RejectionCase{"145.003", MessageId::ErrorStepValue, true, ""},
                    RejectionCase{"50", MessageId::ErrorDataFormat, false, "50"},
                    RejectionCase{"50", MessageId::ErrorDataFormat, true, ""},
                    RejectionCase{"180", MessageId::OutOfRange, false, "180"}));

struct TxCase {
    const char* typed;
    const char* stored;
};

class TxEntry : public ChannelView, public testing::WithParamInterface<TxCase> {};

TEST_P(TxEntry, TakesTheTxWithoutAQuestion) {
    makeChannel(1);
    typeInto({1, kTxColumn}, GetParam().typed);
    click({2, kTxColumn});
    EXPECT_EQ(view->channels().text(1, kTxColumn), GetParam().stored);
    EXPECT_EQ(run.messages.askedCount(), 0);
}

// Out of the band, the Tx becomes the band's lower limit.
INSTANTIATE_TEST_SUITE_P(Entries, TxEntry,
                         testing::Values(TxCase{"146.5", "146.50000"}, TxCase{"180", "136.00000"},
                                         TxCase{"50", "136.00000"}));

TEST_F(ChannelView, ClearingTheRxDeletesTheChannel) {
    makeChannel(2);
    click({2, kRxColumn});
    lineEditor(kRxColumn)->selectAll();
    QTest::keyClick(editor(kRxColumn), Qt::Key_Backspace);
    click({3, kRxColumn});
    EXPECT_EQ(row(2), kEmptyRow);
}

TEST_F(ChannelView, TheFrequencyEditorTakesDigitsAndOnePointOnly) {
    click({1, kRxColumn});
    QTest::keyClicks(editor(kRxColumn), "1a4Z5.x5");
    QTest::keyClick(editor(kRxColumn), Qt::Key_1, Qt::ShiftModifier);
    QTest::keyClick(editor(kRxColumn), Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(lineEditor(kRxColumn)->text(), "145.52");
}

TEST_F(ChannelView, ListsPickedInAnEmptyRowLeaveItEmpty) {
    click({4, kPowerColumn});
    auto* list = qobject_cast<QComboBox*>(editor(kPowerColumn));
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    click({5, kPowerColumn});
    EXPECT_EQ(view->channels().text(4, kPowerColumn), "");
    // Nor does an empty entry: no byte changed, so the document did not.
    typeInto({5, kRxColumn}, "1");
    QTest::keyClick(editor(kRxColumn), Qt::Key_Backspace);
    QTest::keyClick(editor(kRxColumn), Qt::Key_Return);
    EXPECT_FALSE(run.frame().activeChild()->isModified());
}

TEST_F(ChannelView, AListPickTakesTheItemIntoTheCell) {
    makeChannel(1);
    click({1, kPowerColumn});
    auto* list = qobject_cast<QComboBox*>(editor(kPowerColumn));
    EXPECT_EQ(list->currentText(), "High");
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(view->channels().text(1, kPowerColumn), "Low");
    EXPECT_FALSE(list->isVisible());
}

TEST_F(ChannelView, TheToneListShowsFifteenItemsAndAClickThatOnlyClosesItPicksNothing) {
    makeChannel(1);
    run.frame().activeChild()->setModified(false);
    click({1, kDecodeToneColumn});
    auto* list = qobject_cast<QComboBox*>(editor(kDecodeToneColumn));
    const QPoint centre = list->rect().center();
    QTest::mouseClick(list, Qt::LeftButton, {}, centre);
    QWidget* popup = list->view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    EXPECT_EQ(list->view()->height() / list->view()->sizeHintForRow(0), 15);
    EXPECT_TRUE(list->view()->verticalScrollBar()->isVisible());
    // The list opens below the cell; a second click on the cell only closes it.
    EXPECT_FALSE(popup->geometry().contains(list->mapToGlobal(centre)));
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->mapFromGlobal(list->mapToGlobal(centre)));
    EXPECT_FALSE(popup->isVisible());
    click({2, kDecodeToneColumn});
    EXPECT_EQ(view->channels().text(1, kDecodeToneColumn), "None");
    EXPECT_FALSE(run.frame().activeChild()->isModified());
}

TEST_F(ChannelView, AScrollHidesTheEditorAndItsTextIsNotTaken) {
    typeInto({1, kRxColumn}, "146");
    grid().verticalScrollBar()->setValue(20);
    EXPECT_FALSE(editor(kRxColumn)->isVisible());
    grid().verticalScrollBar()->setValue(0);
    click({2, kNameColumn});
    EXPECT_EQ(row(1), kEmptyRow);
    // Clicking the current cell after a scroll shows its editor again, with its text.
    makeChannel(3);
    click({3, kRxColumn});
    grid().verticalScrollBar()->setValue(1);
    grid().verticalScrollBar()->setValue(0);
    click({3, kRxColumn});
    EXPECT_TRUE(editor(kRxColumn)->isVisible());
    EXPECT_EQ(lineEditor(kRxColumn)->text(), "145.50000");
}

TEST_F(ChannelView, AWheelNotchPagesTheGrid) {
    QScrollBar* bar = grid().verticalScrollBar();
    const auto wheel = [&](int step) {
        const QPointF at(10, 10);
        QWheelEvent event(at, grid().viewport()->mapToGlobal(at), {}, {0, step}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid().viewport(), &event);
    };
    wheel(-120);
    EXPECT_EQ(bar->value(), bar->pageStep());
    wheel(-60);
    EXPECT_EQ(bar->value(), bar->pageStep());
    wheel(120);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ChannelView, AnEightByteNameShowsWholeAndTypingStopsAtSeven) {
    auto& image = view->document().image();
    const auto name = bytes("41 42 43 44 45 46 47 48");
    std::copy(name.begin(), name.end(), image.begin() + record::kName);
    const auto rx = encodeFrequency(14550000);
    std::copy(rx.begin(), rx.end(), image.begin() + record::kRxFrequency);
    std::copy(rx.begin(), rx.end(), image.begin() + record::kTxFrequency);
    view->refill();
    // Shown and left alone, the name stores back byte for byte.
    click({1, kNameColumn});
    EXPECT_EQ(lineEditor(kNameColumn)->text(), "ABCDEFGH");
    click({2, kNameColumn});
    view->gridCommit();
    EXPECT_EQ(hex(std::span(image).subspan(record::kName, 8)), "41 42 43 44 45 46 47 48");

    click({1, kNameColumn});
    lineEditor(kNameColumn)->end(false);
    QTest::keyClick(editor(kNameColumn), Qt::Key_X);
    EXPECT_EQ(lineEditor(kNameColumn)->text(), "ABCDEFGH");
    QTest::keyClick(editor(kNameColumn), Qt::Key_Backspace);
    QTest::keyClick(editor(kNameColumn), Qt::Key_X);
    EXPECT_EQ(lineEditor(kNameColumn)->text(), "ABCDEFG");
    lineEditor(kNameColumn)->cursorBackward(true);  // typing over a selection keeps seven
    QTest::keyClick(editor(kNameColumn), Qt::Key_X);
    EXPECT_EQ(lineEditor(kNameColumn)->text(), "ABCDEFx");
}

struct MoveCase {
    GridCell from;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    GridCell to;
};

class KeyboardMove : public ChannelView, public testing::WithParamInterface<MoveCase> {};

TEST_P(KeyboardMove, MovesTheEditorToTheNextCell) {
    click(GetParam().from);
    QTest::keyClick(editor(GetParam().from.column), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(grid().current(), GetParam().to);
    EXPECT_TRUE(editor(GetParam().to.column)->isVisible());
    EXPECT_TRUE(editor(GetParam().to.column)->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardMove,
    testing::Values(MoveCase{{1, kRxColumn}, Qt::Key_Tab, {}, {1, kTxColumn}},
                    MoveCase{{1, kBusyLockColumn}, Qt::Key_Tab, {}, {2, kRxColumn}},
                    MoveCase{
                        {2, kRxColumn}, Qt::Key_Backtab, Qt::ShiftModifier, {1, kBusyLockColumn}},
                    MoveCase{{1, kRxColumn}, Qt::Key_Down, {}, {2, kRxColumn}},
                    MoveCase{{2, kNameColumn}, Qt::Key_Up, {}, {1, kNameColumn}},
                    MoveCase{{1, kPowerColumn}, Qt::Key_Right, {}, {1, kWidthColumn}},
                    // The edges of the channel cells hold the editor where it is.
                    MoveCase{{kFrRow, kRxColumn}, Qt::Key_Down, {}, {kFrRow, kRxColumn}},
                    MoveCase{{kFrRow, kBusyLockColumn}, Qt::Key_Tab, {}, {kFrRow, kBusyLockColumn}},
                    MoveCase{{1, kPowerColumn}, Qt::Key_Left, {}, {1, kNameColumn}},
                    MoveCase{{1, kRxColumn}, Qt::Key_Backtab, Qt::ShiftModifier, {1, kRxColumn}}));

TEST_F(ChannelView, TypingOnTheGridEditsItsCurrentCell) {
    click({1, kRxColumn});
    QTest::keyClick(editor(kRxColumn), Qt::Key_Return);  // nothing typed: the editor goes
    ASSERT_FALSE(editor(kRxColumn)->isVisible());
    ASSERT_TRUE(grid().hasFocus());
    QTest::keyClick(&grid(), Qt::Key_1);
    ASSERT_TRUE(editor(kRxColumn)->hasFocus());
    QTest::keyClicks(editor(kRxColumn), "46");
    QTest::keyClick(editor(kRxColumn), Qt::Key_Tab);
    EXPECT_EQ(view->channels().text(1, kRxColumn), "146.00000");
}

TEST_F(ChannelView, EscapeLeavesTheEditorWithoutACommitAndCtrlASelectsAllOfItsText) {
    makeChannel(1);
    run.frame().activeChild()->setModified(false);
    for (const int column : {kRxColumn, kNameColumn, kPowerColumn}) {
        click({1, column});
        const std::string before = view->channels().text(1, column);
        if (QLineEdit* edit = lineEditor(column)) {
            QTest::keyClick(edit, Qt::Key_End);
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            EXPECT_EQ(edit->selectedText(), edit->text()) << column;
            QTest::keyClicks(edit, "14");
        } else {
            QTest::keyClick(editor(column), Qt::Key_Up);
        }
        QTest::keyClick(editor(column), Qt::Key_Escape);
        EXPECT_FALSE(editor(column)->isVisible()) << column;
        EXPECT_TRUE(grid().hasFocus()) << column;
        click({2, column});
        EXPECT_EQ(view->channels().text(1, column), before) << column;
    }
    EXPECT_FALSE(run.frame().activeChild()->isModified());
    click({1, kRxColumn});
    EXPECT_EQ(lineEditor(kRxColumn)->text(), "145.50000");
}

// The program's Ctrl+W is Write wherever the focus is; the document window closes with
// Ctrl+F4.
TEST_F(ChannelView, CtrlWInACellOpensTheWriteWindowAndCtrlF4ClosesTheDocumentWindow) {
    click({1, kRxColumn});
    QTest::keyClick(editor(kRxColumn), Qt::Key_W, Qt::ControlModifier);
    app::CProcessDlg* process = run.frame().transfers().openWindow();
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(process->windowTitle(), QStringLiteral("Write Data"));
    EXPECT_TRUE(run.frame().activeChild()->isVisible());
    process->reject();
    click({1, kRxColumn});
    QTest::keyClick(editor(kRxColumn), Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(run.frame().activeChild()->isVisible());
}

struct HelpCase {
    GridCell cell;
    int context;
    const char* anchor;  // the column's section of the channel page
};

class ContextHelp : public ChannelView, public testing::WithParamInterface<HelpCase> {};

TEST_P(ContextHelp, F1OpensTheTopicOfTheEditorAtItsColumn) {
    click(GetParam().cell);
    QTest::keyClick(editor(GetParam().cell.column), Qt::Key_F1);
    app::HelpViewer& help = *run.program.helpViewer();
    EXPECT_EQ(help.lastContext(), GetParam().context);
    EXPECT_EQ(help.currentPage(), QStringLiteral("channel_information.html"));
    EXPECT_EQ(help.currentAnchor(), QString::fromLatin1(GetParam().anchor));
}

INSTANTIATE_TEST_SUITE_P(Editors, ContextHelp,
                         testing::Values(HelpCase{{1, kRxColumn}, 2127, "rx-frequency"},
                                         HelpCase{{1, kTxColumn}, 2128, "tx-frequency"},
                                         HelpCase{{1, kDecodeToneColumn}, 2132, "decode-tone"},
                                         HelpCase{{1, kEncodeToneColumn}, 2133, "encode-tone"},
                                         HelpCase{{1, kNameColumn}, 1126, "channel-name"},
                                         HelpCase{{1, kPowerColumn}, 1129, "power"},
                                         HelpCase{{1, kWidthColumn}, 1128, "width"},
                                         HelpCase{{1, kScanAddColumn}, 1134, "scan-add"},
                                         HelpCase{{1, kBusyLockColumn}, 1130, "busy-lock"}));

TEST_F(ChannelView, TheHelpWindowGoesBackForwardHomeAndCloses) {
    click({1, kPowerColumn});
    QTest::keyClick(editor(kPowerColumn), Qt::Key_F1);
    app::HelpViewer& help = *run.program.helpViewer();
    using Button = app::HelpViewer::Button;
    EXPECT_FALSE(help.button(Button::Back)->isEnabled());
    QTest::mouseClick(help.button(Button::Home), Qt::LeftButton);
    EXPECT_EQ(help.currentPage(), QStringLiteral("index.html"));
    QTest::mouseClick(help.button(Button::Back), Qt::LeftButton);
    EXPECT_EQ(help.currentPage(), QStringLiteral("channel_information.html"));
    EXPECT_EQ(help.currentAnchor(), QStringLiteral("power"));
    QTest::mouseClick(help.button(Button::Forward), Qt::LeftButton);
    EXPECT_EQ(help.currentPage(), QStringLiteral("index.html"));
    EXPECT_EQ(help.button(Button::Close)->text(), QStringLiteral("Close"));
    QTest::mouseClick(help.button(Button::Close), Qt::LeftButton);
    EXPECT_FALSE(help.window()->isVisible());
}

TEST_F(ChannelView, TheGridFillsItsWindowWhateverItsSizeWithTheColumnsKeptAsTheyAre) {
    app::CChildFrame* child = run.frame().activeChild();
    const QSize window = child->size();
    const QSize shown = grid().size();
    std::vector<int> widths;
    for (int column = 0; column < kGridColumnCount; ++column) {
        widths.push_back(grid().columnWidthOf(column));
    }
    const QSize margins = view->size() - grid().size();
    for (const QSize size : {window + QSize(300, 200), window - QSize(300, 200)}) {
        child->resize(size);
        EXPECT_EQ(grid().size() - shown, size - window);
    }
    child->showMaximized();
    EXPECT_EQ(view->size(), child->contentsRect().size());
    EXPECT_EQ(view->size() - grid().size(), margins);
    child->showNormal();
    child->resize(window);
    EXPECT_EQ(grid().size(), shown);
    for (int column = 0; column < kGridColumnCount; ++column) {
        EXPECT_EQ(grid().columnWidthOf(column), widths[static_cast<std::size_t>(column)]);
    }
}

TEST_F(ChannelView, ADisplayChangeScalesTheLayout) {
    const int nameWidth = grid().columnWidthOf(kNameColumn);
    const QSize margins = view->size() - grid().size();
    view->displayChanged(800);  // small screens change nothing
    EXPECT_EQ(grid().columnWidthOf(kNameColumn), nameWidth);
    const int recorded = QApplication::primaryScreen()->geometry().width();
    view->displayChanged(recorded * 2);
    EXPECT_EQ(grid().columnWidthOf(kNameColumn), nameWidth * 2);
    EXPECT_EQ(view->size() - grid().size(), margins * 2);
}

}  // namespace
}  // namespace kw::test
