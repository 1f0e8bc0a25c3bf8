#pragma once
// Channel rows dragged by their row titles: the drag carries which grid of this process
// they come from and their rows, and their texts as tab-separated lines for a spreadsheet
// to take.

#include <QMimeData>
#include <optional>
#include <vector>

namespace kw::app {

class CMSFlexGrid;

struct DraggedRows {
    const CMSFlexGrid* source = nullptr;  // in this process; compare, never dereference
    std::vector<int> rows;
};

[[nodiscard]] QMimeData* rowsMimeData(const CMSFlexGrid& source, const std::vector<int>& rows,
                                      const QString& text);
// Rows dragged from a grid of this process; nothing for any other data.
[[nodiscard]] std::optional<DraggedRows> draggedRows(const QMimeData& data);

}  // namespace kw::app
