#include "app/channel_edit_commands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <algorithm>
#include <array>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/message_boxes.h"
#include "app/ms_flex_grid.h"
#include "app/program_view.h"
#include "app/qt_text.h"
#include "app/set_rows_dlg.h"
#include "app/status_notice.h"
#include "channels/grid_clipboard.h"
#include "session/history_step.h"

namespace kw::app {
namespace {

using namespace command;

// What the grid's context menu offers, in its order.
constexpr std::array kContextCommands{
    kEditCut,           kEditCopy,           kEditPaste,
    kSeparator,         kInsertChannel,      kDeleteChannels,
    kMoveChannelsUp,    kMoveChannelsDown,   kDuplicateChannels,
    kSeparator,         kSetForSelectedRows, kFillDown,
    kSeparator,         kSortRxAscending,    kSortRxDescending,
    kSortNameAscending, kSortNameDescending,
};

constexpr std::array kChannelCommands{
    kEditCut,         kEditCopy,         kEditPaste,         kInsertChannel,      kDeleteChannels,
    kMoveChannelsUp,  kMoveChannelsDown, kDuplicateChannels, kSetForSelectedRows, kFillDown,
    kSortRxAscending, kSortRxDescending, kSortNameAscending, kSortNameDescending, kFileImport,
    kFileExport,
};

// The selected rows, or the current cell's row when no whole row is selected.
RowList targetRows(CChildFrame* child) {
    RowList rows = child->view()->grid()->selectedRows();
    if (rows.empty()) {
        rows.push_back(child->session().grid().current().row);
    }
    return rows;
}

CellRange wholeRow(int row) {
    return {{row, kRxColumn}, {row, kBusyLockColumn}};
}

}  // namespace

ChannelEditCommands::ChannelEditCommands(CMainFrame& frame, Language language,
                                         MessageBoxes& messages)
    : QObject(&frame),
      frame_(frame),
      commands_(frame.commands()),
      language_(language),
      messages_(messages) {
    connectCommands();
}

void ChannelEditCommands::connectCommands() {
    commands_.setHandler(kEditCopy, [this] { copy(); });
    commands_.setHandler(kEditCut, [this] { cut(); });
    commands_.setHandler(kEditPaste, [this] { paste(); });
    commands_.setHandler(kEditUndo, [this] { undo(false); });
    commands_.setHandler(kEditRedo, [this] { undo(true); });
    commands_.setHandler(kInsertChannel, [this] {
        rowEdit([](DocumentSession& session, const RowList& rows) {
            return session.insertChannel(rows.front());
        });
    });
    commands_.setHandler(kDeleteChannels, [this] {
        rowEdit([](DocumentSession& session, const RowList& rows) {
            return session.deleteChannels(rows);
        });
    });
    commands_.setHandler(kMoveChannelsUp, [this] {
        rowEdit([](DocumentSession& session, const RowList& rows) {
            return session.moveChannelsByOne(rows, MoveDirection::Up);
        });
    });
    commands_.setHandler(kMoveChannelsDown, [this] {
        rowEdit([](DocumentSession& session, const RowList& rows) {
            return session.moveChannelsByOne(rows, MoveDirection::Down);
        });
    });
    commands_.setHandler(kDuplicateChannels, [this] {
        rowEdit([](DocumentSession& session, const RowList& rows) {
            return session.duplicateChannels(rows);
        });
    });
    commands_.setHandler(kSetForSelectedRows, [this] { setForSelectedRows(); });
    commands_.setHandler(kFillDown, [this] { fillDown(); });
    commands_.setHandler(kSortRxAscending,
                         [this] { sort(SortKey::RxFrequency, SortOrder::Ascending); });
    commands_.setHandler(kSortRxDescending,
                         [this] { sort(SortKey::RxFrequency, SortOrder::Descending); });
    commands_.setHandler(kSortNameAscending, [this] { sort(SortKey::Name, SortOrder::Ascending); });
    commands_.setHandler(kSortNameDescending,
                         [this] { sort(SortKey::Name, SortOrder::Descending); });
}

void ChannelEditCommands::attach(CChildFrame* child) {
    CMSFlexGrid* grid = child->view()->grid();
    connect(grid, &CMSFlexGrid::rowsDropped, this,
            [this, child](const DraggedRows& dragged, int row) { dropRows(child, dragged, row); });
    connect(child->view(), &CProgramView::edited, this, &ChannelEditCommands::updateCommands);
    for (QWidget* place :
         {static_cast<QWidget*>(grid), static_cast<QWidget*>(grid->verticalHeader())}) {
        place->setContextMenuPolicy(Qt::CustomContextMenu);
    }
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, child, grid](const QPoint& at) {
                showContextMenu(child, grid->viewport()->mapToGlobal(at));
            });
    connect(grid->verticalHeader(), &QWidget::customContextMenuRequested, this,
            [this, child, grid](const QPoint& at) {
                // A row title outside the selection becomes the selection first.
                const int row = grid->verticalHeader()->logicalIndexAt(at) + kFirstChannelRow;
                if (!std::ranges::binary_search(grid->selectedRows(), row)) {
                    grid->selectRows({row});
                }
                showContextMenu(child, grid->verticalHeader()->mapToGlobal(at));
            });
}

void ChannelEditCommands::updateCommands() {
    CChildFrame* child = frame_.activeChild();
    for (const CommandId command : kChannelCommands) {
        commands_.setAvailable(command, child != nullptr);
    }
    const auto undoStep = child ? child->session().undoStep() : std::nullopt;
    const auto redoStep = child ? child->session().redoStep() : std::nullopt;
    for (QAction* action : commands_.actions(kEditUndo)) {
        action->setText(toQString(undoItemText(undoStep, language_)) + QStringLiteral("\tCtrl+Z"));
    }
    for (QAction* action : commands_.actions(kEditRedo)) {
        action->setText(toQString(redoItemText(redoStep, language_)) + QStringLiteral("\tCtrl+Y"));
    }
    commands_.setAvailable(kEditUndo, undoStep.has_value());
    commands_.setAvailable(kEditRedo, redoStep.has_value());
}

CChildFrame* ChannelEditCommands::settledChild() {
    CChildFrame* child = frame_.activeChild();
    if (!child || child->view()->commitCurrentCell().rejected()) {
        return nullptr;
    }
    return child;
}

void ChannelEditCommands::finish(CChildFrame* child) {
    child->view()->documentChanged();
    child->setModified(child->session().isModified());
    updateCommands();
}

void ChannelEditCommands::showText(CChildFrame* child, const std::string& text) {
    messages_.show(child->view(), toQString(text));
}

void ChannelEditCommands::copy() {
    CChildFrame* child = settledChild();
    if (!child) {
        return;
    }
    const CMSFlexGrid* grid = child->view()->grid();
    const ChannelGrid& cells = child->session().grid();
    const RowList rows = grid->selectedRows();
    const std::string text =
        rows.empty() ? cellsAsTsv(cells, grid->selectedRange()) : rowsAsTsv(cells, rows);
    QGuiApplication::clipboard()->setText(toQString(text));
}

void ChannelEditCommands::cut() {
    CChildFrame* child = settledChild();
    if (!child) {
        return;
    }
    copy();
    DocumentSession& session = child->session();
    const CMSFlexGrid* grid = child->view()->grid();
    std::vector<CellRange> ranges;
    for (const int row : grid->selectedRows()) {
        ranges.push_back(wholeRow(row));
    }
    if (ranges.empty()) {
        ranges.push_back(grid->selectedRange());
    }
    for (const CellRange& range : ranges) {
        session.grid() = clearedCells(session.grid(), range, session.product());
    }
    session.recordStep(HistoryStep::Cut);
    finish(child);
}

void ChannelEditCommands::paste() {
    CChildFrame* child = settledChild();
    if (!child) {
        return;
    }
    const TsvBlock block = parseTsv(toStdString(QGuiApplication::clipboard()->text()));
    if (block.empty()) {
        return;
    }
    DocumentSession& session = child->session();
    const CMSFlexGrid* grid = child->view()->grid();
    const RowList rows = grid->selectedRows();
    const GridCell at =
        rows.empty() ? grid->selectedRange().first : GridCell{rows.front(), kRxColumn};
    PasteResult pasted = pasteCells(session.grid(), at, block, session.product(), language_);
    if (!pasted.refused.empty()) {
        const std::string question =
            std::string(builtInText(BuiltInText::PasteRefusedCells, language_)) + "\n\n" +
            refusedCellsList(pasted.refused, language_) + '\n' +
            std::string(builtInText(BuiltInText::PasteTheRest, language_));
        if (messages_.show(child->view(), toQString(question), MessageBoxes::Buttons::OkCancel) !=
            MessageBoxes::Answer::Ok) {
            return;
        }
    }
    session.grid() = std::move(pasted.grid);
    session.recordStep(HistoryStep::Paste);
    if (!pasted.changes.empty()) {
        showStatusNotice(child->view(),
                         toQString(changedValueWarning(pasted.changes.front(), language_)));
    }
    finish(child);
}

void ChannelEditCommands::undo(bool forward) {
    CChildFrame* child = settledChild();
    if (!child) {
        return;
    }
    (void)(forward ? child->session().redo() : child->session().undo());
    finish(child);
}

void ChannelEditCommands::rowEdit(
    const std::function<RowEdit(DocumentSession&, const RowList&)>& operation) {
    CChildFrame* child = settledChild();
    if (!child) {
        return;
    }
    const RowEdit edit = operation(child->session(), targetRows(child));
    if (edit) {
        child->view()->grid()->selectRows(edit.rows);
    } else {
        showText(child, rowRefusalText(edit, language_));
    }
    finish(child);
}

void ChannelEditCommands::reportRefusedCells(CChildFrame* child, const BulkEditResult& result) {
    if (result.refused.empty()) {
        return;
    }
    std::vector<RefusedCell> refused;
    for (const CellRefusal& cell : result.refused) {
        refused.push_back({cell.cell, child->session().grid().text(cell.cell),
                           cellEditRefusal(cell.result, language_)});
    }
    showText(child, std::string(builtInText(BuiltInText::CellsNotSet, language_)) + "\n\n" +
                        refusedCellsList(refused, language_));
}

void ChannelEditCommands::setForSelectedRows() {
    CChildFrame* child = settledChild();
    if (!child) {
        return;
    }
    SetForRowsDlg dialog(child->session().editors(), language_, &frame_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::vector<int> columns = dialog.columns();
    reportRefusedCells(
        child, child->session().setColumnsForRows(targetRows(child), columns, dialog.value()));
    finish(child);
}

void ChannelEditCommands::fillDown() {
    CChildFrame* child = settledChild();
    if (!child) {
        return;
    }
    const CMSFlexGrid* grid = child->view()->grid();
    RowList rows = grid->selectedRows();
    std::vector<int> columns;
    if (!rows.empty()) {
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            columns.push_back(column);
        }
    } else {
        // A cell range fills its own columns.
        const CellRange range = grid->selectedRange();
        for (int row = range.first.row; row <= range.last.row; ++row) {
            rows.push_back(row);
        }
        for (int column = range.first.column; column <= range.last.column; ++column) {
            columns.push_back(column);
        }
    }
    if (rows.size() < 2) {
        showText(child, std::string(builtInText(BuiltInText::FillDownNeedsRows, language_)));
        return;
    }
    reportRefusedCells(child, child->session().fillDown(rows, columns));
    finish(child);
}

void ChannelEditCommands::sort(SortKey key, SortOrder order) {
    if (CChildFrame* child = settledChild()) {
        (void)child->session().sortChannels(key, order);
        finish(child);
    }
}

void ChannelEditCommands::dropRows(CChildFrame* target, const DraggedRows& dragged, int row) {
    const std::vector<CChildFrame*> children = frame_.children();
    const auto source = std::ranges::find_if(
        children, [&](CChildFrame* child) { return child->view()->grid() == dragged.source; });
    if (source == children.end() || (*source)->view()->commitCurrentCell().rejected() ||
        target->view()->commitCurrentCell().rejected()) {
        return;
    }
    DocumentSession& session = target->session();
    const RowEdit edit =
        *source == target
            ? session.moveChannelsTo(dragged.rows, row)
            : session.copyChannelsFrom((*source)->session().committedImage(), dragged.rows, row);
    if (edit) {
        target->view()->grid()->selectRows(edit.rows);
    } else {
        showText(target, rowRefusalText(edit, language_));
    }
    finish(target);
}

void ChannelEditCommands::showContextMenu(CChildFrame* child, const QPoint& globalPosition) {
    if (child != frame_.activeChild()) {
        return;
    }
    QMenu menu;
    for (const CommandId command : kContextCommands) {
        if (command == kSeparator) {
            menu.addSeparator();
        } else if (!commands_.actions(command).empty()) {
            menu.addAction(commands_.actions(command).front());
        }
    }
    menu.exec(globalPosition);
}

}  // namespace kw::app
