#include "app/ms_flex_grid.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "app/grid_corner_title.h"
#include "app/grid_table_model.h"
#include "app/qt_text.h"

namespace kw::app {

CMSFlexGrid::CMSFlexGrid(ChannelGrid& grid, const QFont& font, QWidget* parent)
    : QTableView(parent),
      grid_(grid),
      model_(new GridTableModel(grid, font, this)),
      corner_(new GridCornerTitle(this)) {
    setFont(font);
    corner_->setText(toQString(grid_.text(kTitleRow, kRowTitleColumn)));
    // A default column holds fifteen digits of the grid's font: with the layout's width
    // factors the ten columns then fill the form's grid, whatever the font's size.
    horizontalHeader()->setDefaultSectionSize(fontMetrics().horizontalAdvance(QString(15, u'0')));
    setModel(model_);
    // The current cell is shown by the editor laid over it; a selection is what copy,
    // cut and the row commands take.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragDropMode(QAbstractItemView::DropOnly);
    viewport()->setAcceptDrops(true);
    verticalHeader()->viewport()->installEventFilter(this);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setCurrentCell(grid_.current());
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, &CMSFlexGrid::scrolled);
    }
}

void CMSFlexGrid::setCurrentCell(GridCell cell) {
    grid_.setCurrent(cell);
    quiet_ = true;
    selectionModel()->setCurrentIndex(GridTableModel::indexOf(*model_, cell),
                                      QItemSelectionModel::NoUpdate);
    quiet_ = false;
}

void CMSFlexGrid::moveCurrentCell(GridCell cell) {
    if (isChannelCell(cell)) {
        // The selection follows the keys, so a copy takes the cell the user went to.
        selectionModel()->setCurrentIndex(GridTableModel::indexOf(*model_, cell),
                                          QItemSelectionModel::ClearAndSelect);
    }
}

std::vector<int> CMSFlexGrid::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.push_back(GridTableModel::cellOf(index).row);
    }
    std::ranges::sort(rows);
    return rows;
}

CellRange CMSFlexGrid::selectedRange() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        return {grid_.current(), grid_.current()};
    }
    CellRange range{GridTableModel::cellOf(selected.front()),
                    GridTableModel::cellOf(selected.front())};
    for (const QModelIndex& index : selected) {
        const GridCell cell = GridTableModel::cellOf(index);
        range.first = {std::min(range.first.row, cell.row),
                       std::min(range.first.column, cell.column)};
        range.last = {std::max(range.last.row, cell.row), std::max(range.last.column, cell.column)};
    }
    const auto area =
        (range.last.row - range.first.row + 1) * (range.last.column - range.first.column + 1);
    if (area != selected.size()) {
        return {grid_.current(), grid_.current()};
    }
    return range;
}

void CMSFlexGrid::selectRows(const std::vector<int>& rows) {
    QItemSelection selection;
    for (const int row : rows) {
        selection.select(GridTableModel::indexOf(*model_, {row, kRxColumn}),
                         GridTableModel::indexOf(*model_, {row, kBusyLockColumn}));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

bool CMSFlexGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == verticalHeader()->viewport() && rowTitleMouse(event)) {
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

bool CMSFlexGrid::rowTitleMouse(QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    const int row = verticalHeader()->logicalIndexAt(at) + kFirstChannelRow;
    if (type == QEvent::MouseButtonPress) {
        // A plain press on a selected row title may start a drag of all selected rows,
        // so it must not select that row alone yet.
        const std::vector<int> rows = selectedRows();
        if (mouse->button() == Qt::LeftButton && mouse->modifiers() == Qt::NoModifier &&
            std::ranges::find(rows, row) != rows.end()) {
            dragStart_ = at;
            return true;
        }
        return false;
    }
    if (!dragStart_) {
        return false;
    }
    if (type == QEvent::MouseMove) {
        if ((at - *dragStart_).manhattanLength() >= QApplication::startDragDistance()) {
            dragStart_.reset();
            dragSelectedRows();
        }
        return true;
    }
    // Released without a drag: the click selects its row, as any row-title click does.
    dragStart_.reset();
    selectRow(row - kFirstChannelRow);
    return true;
}

void CMSFlexGrid::dragSelectedRows() {
    const std::vector<int> rows = selectedRows();
    auto* drag = new QDrag(this);
    drag->setMimeData(rowsMimeData(*this, rows, QString::fromStdString(rowsAsTsv(grid_, rows))));
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void CMSFlexGrid::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void CMSFlexGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (const auto rows = draggedRows(*event->mimeData())) {
        event->setDropAction(rows->source == this ? Qt::MoveAction : Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CMSFlexGrid::dropEvent(QDropEvent* event) {
    const auto rows = draggedRows(*event->mimeData());
    if (!rows) {
        event->ignore();
        return;
    }
    const int tableRow = rowAt(event->position().toPoint().y());
    // Below the last row is the last channel: Fr is never a place rows go to.
    const int row = tableRow < 0 ? kFrRow - 1 : tableRow + kFirstChannelRow;
    event->setDropAction(rows->source == this ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
    emit rowsDropped(*rows, row);
}

void CMSFlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (quiet_ || !current.isValid()) {
        QTableView::currentChanged(current, previous);
        return;
    }
    moveRefused_ = false;
    emit leaveCell();
    if (moveRefused_) {
        setCurrentCell(grid_.current());
        return;
    }
    QTableView::currentChanged(current, previous);
    grid_.setCurrent(GridTableModel::cellOf(current));
    emit enterCell();
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    emit mouseDown();
}

void CMSFlexGrid::updateGeometries() {
    QTableView::updateGeometries();
    // Over the table's own corner button, which has no text.
    corner_->setGeometry(verticalHeader()->x(), horizontalHeader()->y(), verticalHeader()->width(),
                         horizontalHeader()->height());
    corner_->raise();
}

QRect CMSFlexGrid::cellRect() const {
    return visualRect(GridTableModel::indexOf(*model_, grid_.current()));
}

int CMSFlexGrid::baseWidth() const {
    return horizontalHeader()->defaultSectionSize();
}

int CMSFlexGrid::columnWidthOf(int column) const {
    return column == kRowTitleColumn ? verticalHeader()->width()
                                     : horizontalHeader()->sectionSize(column - kRxColumn);
}

void CMSFlexGrid::setColumnWidthOf(int column, int width) {
    if (column == kRowTitleColumn) {
        verticalHeader()->setFixedWidth(width);
    } else {
        horizontalHeader()->resizeSection(column - kRxColumn, width);
    }
}

void CMSFlexGrid::setColumnAlignment(int column, Qt::Alignment alignment) {
    model_->setColumnAlignment(column, alignment);
}

void CMSFlexGrid::setFixedColour(const QColor& colour) {
    model_->setFixedColour(colour);
    corner_->setTextColour(colour);
}

QColor CMSFlexGrid::fixedColour() const {
    return model_->fixedColour();
}

void CMSFlexGrid::setCellFontName(const QString& name) {
    model_->setCellFontName(grid_.current(), name);
}

QFont CMSFlexGrid::cellFont(GridCell cell) const {
    return model_->cellFont(cell);
}

void CMSFlexGrid::pageUp() {
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
}

void CMSFlexGrid::pageDown() {
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
}

void CMSFlexGrid::rowChanged(int row) {
    model_->cellsChanged(row);
}

void CMSFlexGrid::allChanged() {
    model_->allChanged();
}

}  // namespace kw::app
