#pragma once
// The channel grid as a Qt table: channel cells are the items, the title row and the
// row-title column are the headers. The texts stay in the ChannelGrid; this only reads
// them, so whoever changes the grid says which cells changed.

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <array>
#include <map>
#include <utility>

#include "channels/channel_grid.h"

namespace kw::app {

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    GridTableModel(const ChannelGrid& grid, QFont cellFont, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Table positions and grid cells: the fixed row and column are not items.
    static QModelIndex indexOf(const QAbstractItemModel& model, GridCell cell);
    static GridCell cellOf(const QModelIndex& index);

    void setFixedColour(const QColor& colour);
    const QColor& fixedColour() const { return fixedColour_; }
    void setColumnAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment alignment(int column) const;
    void setCellFontName(GridCell cell, const QString& name);
    QFont cellFont(GridCell cell) const;

    void cellsChanged(int row);
    void allChanged();

  private:
    const ChannelGrid& grid_;
    QFont font_;
    QColor fixedColour_;
    std::array<Qt::Alignment, kGridColumnCount> alignments_{};
    std::map<std::pair<int, int>, QString> fontNames_;
};

}  // namespace kw::app
