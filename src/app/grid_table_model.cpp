#include "app/grid_table_model.h"

#include "app/qt_text.h"

namespace kw::app {
namespace {

constexpr int kChannelRows = kGridRowCount - kFirstChannelRow;
constexpr int kChannelColumns = kGridColumnCount - kRxColumn;

}  // namespace

GridTableModel::GridTableModel(const ChannelGrid& grid, QFont cellFont, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), font_(std::move(cellFont)) {
    alignments_.fill(Qt::AlignLeft | Qt::AlignVCenter);
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelRows;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelColumns;
}

QModelIndex GridTableModel::indexOf(const QAbstractItemModel& model, GridCell cell) {
    return model.index(cell.row - kFirstChannelRow, cell.column - kRxColumn);
}

GridCell GridTableModel::cellOf(const QModelIndex& index) {
    return {index.row() + kFirstChannelRow, index.column() + kRxColumn};
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const GridCell cell = cellOf(index);
    switch (role) {
        case Qt::DisplayRole:
            return toQString(grid_.text(cell));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment(cell.column));
        case Qt::FontRole:
            return cellFont(cell);
        default:
            return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const GridCell cell = orientation == Qt::Horizontal
                              ? GridCell{kTitleRow, section + kRxColumn}
                              : GridCell{section + kFirstChannelRow, kRowTitleColumn};
    switch (role) {
        case Qt::DisplayRole:
            return toQString(grid_.text(cell));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment(cell.column));
        case Qt::ForegroundRole:
            return fixedColour_.isValid() ? QVariant(fixedColour_) : QVariant();
        case Qt::FontRole:
            return font_;
        default:
            return {};
    }
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    // Cells are edited by the editors laid over them, never by the table itself.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridTableModel::setFixedColour(const QColor& colour) {
    fixedColour_ = colour;
    emit headerDataChanged(Qt::Horizontal, 0, kChannelColumns - 1);
    emit headerDataChanged(Qt::Vertical, 0, kChannelRows - 1);
}

void GridTableModel::setColumnAlignment(int column, Qt::Alignment alignment) {
    alignments_[static_cast<std::size_t>(column)] = alignment;
    allChanged();
}

Qt::Alignment GridTableModel::alignment(int column) const {
    return alignments_[static_cast<std::size_t>(column)];
}

void GridTableModel::setCellFontName(GridCell cell, const QString& name) {
    fontNames_[{cell.row, cell.column}] = name;
    const QModelIndex index = indexOf(*this, cell);
    emit dataChanged(index, index, {Qt::FontRole});
}

QFont GridTableModel::cellFont(GridCell cell) const {
    const auto found = fontNames_.find({cell.row, cell.column});
    if (found == fontNames_.end()) {
        return font_;
    }
    QFont font = font_;
    font.setFamily(found->second);
    return font;
}

void GridTableModel::cellsChanged(int row) {
    const int tableRow = row - kFirstChannelRow;
    emit dataChanged(index(tableRow, 0), index(tableRow, kChannelColumns - 1));
}

void GridTableModel::allChanged() {
    // Not a reset: the table keeps its current cell.
    emit dataChanged(index(0, 0), index(kChannelRows - 1, kChannelColumns - 1));
    emit headerDataChanged(Qt::Horizontal, 0, kChannelColumns - 1);
    emit headerDataChanged(Qt::Vertical, 0, kChannelRows - 1);
}

}  // namespace kw::app
