#pragma once
// CMSFlexGrid: the grid control of the channel view (control 1022). It shows a
// ChannelGrid, keeps the grid's current cell and the table's in step, and reports the
// events the view edits by: leave cell (the old cell is still current), enter cell,
// mouse down and scroll. In-place editors are children of its viewport. Cells are
// selected as in any table, whole rows by their row titles; selected rows are dragged by
// their titles and dropped on a grid's rows.

#include <QPoint>
#include <QTableView>
#include <optional>
#include <vector>

#include "app/row_drag.h"
#include "channels/channel_grid.h"
#include "channels/grid_clipboard.h"
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

    // Rows whose every cell is selected, in ascending order.
    std::vector<int> selectedRows() const;
    // The selected cells when they form one rectangle, else the current cell alone.
    CellRange selectedRange() const;
    // Selects these rows and nothing else.
    void selectRows(const std::vector<int>& rows);

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
    // Rows dropped with their first on grid row `row`.
    void rowsDropped(const DraggedRows& rows, int row);

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    bool rowTitleMouse(QEvent* event);
    void dragSelectedRows();

    ChannelGrid& grid_;
    GridTableModel* model_;
    GridCornerTitle* corner_;
    bool quiet_ = false;
    bool moveRefused_ = false;
    std::optional<QPoint> dragStart_;  // a press on a selected row title, in its viewport
};

}  // namespace kw::app
