#include "app/ms_flex_grid.h"

#include <QHeaderView>
#include <QScrollBar>

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
    // The current cell is shown by the editor laid over it, not by a selection.
    setSelectionMode(QAbstractItemView::NoSelection);
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
        selectionModel()->setCurrentIndex(GridTableModel::indexOf(*model_, cell),
                                          QItemSelectionModel::NoUpdate);
    }
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
