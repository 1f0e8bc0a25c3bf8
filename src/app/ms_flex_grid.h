#pragma once
// CMSFlexGrid: the grid control of the channel view (control 1022). It shows a
// ChannelGrid, keeps the grid's current cell and the table's in step, and reports the
// events the view edits by: leave cell (the old cell is still current), enter cell,
// mouse down and scroll. In-place editors are children of its viewport.

#include <QTableView>

#include "channels/channel_grid.h"
#include "res/control_id.h"

namespace kw::app {

class GridCornerTitle;
class GridTableModel;

class CMSFlexGrid : public QTableView {
    Q_OBJECT
  public:
    static constexpr ControlId<ProgramWindow> kControlId{1022};

    CMSFlexGrid(ChannelGrid& grid, const QFont& font, QWidget* parent);

    const std::string& textMatrix(int row, int column) const { return grid_.text(row, column); }

    GridCell current() const { return grid_.current(); }
    // Moves the current cell without leave-cell and enter-cell events.
    void setCurrentCell(GridCell cell);
    // Moves to a channel cell as the user does, with the events; a leave-cell handler
    // may refuse the move.
    void moveCurrentCell(GridCell cell);
    // A leave-cell handler keeps the old cell current; the move does not happen.
    void refuseMove() { moveRefused_ = true; }

    // The current cell's rectangle in viewport pixels.
    QRect cellRect() const;
    // The width the table gives a column before anyone sets one.
    int baseWidth() const;
    int columnWidthOf(int column) const;
    void setColumnWidthOf(int column, int width);
    void setColumnAlignment(int column, Qt::Alignment alignment);
    void setFixedColour(const QColor& colour);
    QColor fixedColour() const;
    void setCellFontName(const QString& name);
    QFont cellFont(GridCell cell) const;
    // The top-left cell, which shows the row-title column's title.
    const GridCornerTitle* cornerTitle() const { return corner_; }

    void pageUp();
    void pageDown();

    // Whoever changed the grid's texts says so.
    void rowChanged(int row);
    void allChanged();

  signals:
    void leaveCell();
    void enterCell();
    void mouseDown();
    void scrolled();

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void updateGeometries() override;

  private:
    ChannelGrid& grid_;
    GridTableModel* model_;
    GridCornerTitle* corner_;
    bool quiet_ = false;
    bool moveRefused_ = false;
};

}  // namespace kw::app
