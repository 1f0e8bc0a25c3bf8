#include "channels/grid_clipboard.h"

#include "base/typed_text.h"
#include "channels/cell_edit.h"
#include "res/messages.h"

namespace kw {
namespace {

std::string tsvLine(const ChannelGrid& grid, int row, int firstColumn, int lastColumn) {
    std::string line;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        if (column != firstColumn) {
            line += '\t';
        }
        line += grid.text(row, column);
    }
    return line + '\n';
}

}  // namespace

std::string cellsAsTsv(const ChannelGrid& grid, CellRange range) {
    std::string text;
    for (int row = range.first.row; row <= range.last.row; ++row) {
        text += tsvLine(grid, row, range.first.column, range.last.column);
    }
    return text;
}

std::string rowsAsTsv(const ChannelGrid& grid, std::span<const int> rows) {
    std::string text;
    for (const int row : rows) {
        text += tsvLine(grid, row, kRxColumn, kBusyLockColumn);
    }
    return text;
}

TsvBlock parseTsv(std::string_view text) {
    TsvBlock block;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == text.npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        std::vector<std::string>& cells = block.emplace_back();
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            cells.emplace_back(withoutBlanks(line.substr(start, tab - start)));
            if (tab == line.npos) {
                break;
            }
            start = tab + 1;
        }
    }
    return block;
}

std::string refusedCellsList(std::span<const RefusedCell> refused, Language language,
                             std::size_t lines) {
    std::string list;
    for (std::size_t i = 0; i < refused.size() && i < lines; ++i) {
        const RefusedCell& cell = refused[i];
        list += rowTitle(cell.cell.row) + ':' + std::to_string(cell.cell.column) + " \"" +
                cell.value + "\": " + cell.reason + '\n';
    }
    if (refused.size() > lines) {
        const std::string more = std::to_string(refused.size() - lines);
        list += language == Language::Chinese ? "……另有 " + more + " 个\n"
                                              : "... and " + more + " more\n";
    }
    return list;
}

PasteResult pasteCells(const ChannelGrid& grid, GridCell at, const TsvBlock& block,
                       const ProductState& product, Language messageLanguage) {
    PasteResult result(grid);
    ChannelEditors editors(grid.language());
    for (std::size_t line = 0; line < block.size(); ++line) {
        for (std::size_t field = 0; field < block[line].size(); ++field) {
            const std::string& value = block[line][field];
            const GridCell cell{at.row + static_cast<int>(line),
                                at.column + static_cast<int>(field)};
            const auto refuse = [&](std::string reason) {
                result.refused.push_back({cell, value, std::move(reason)});
            };
            if (!isChannelCell(cell)) {
                refuse(
                    std::string(builtInText(BuiltInText::BeyondTheChannelTable, messageLanguage)));
                continue;
            }
            const bool noChannel = result.grid.text(cell.row, kRxColumn).empty();
            if (result.grid.text(cell) == value || (noChannel && value.empty())) {
                continue;
            }
            if (noChannel && cell.column != kRxColumn) {
                refuse(std::string(builtInText(BuiltInText::RowHasNoChannel, messageLanguage)));
                continue;
            }
            const CellEditResult edit = editCell(result.grid, editors, cell, value, product);
            if (!edit.accepted()) {
                refuse(cellEditRefusal(edit, messageLanguage));
                editors.hideAll();
            } else if (edit.commit.changed) {
                result.changes.push_back(*edit.commit.changed);
            }
        }
    }
    result.grid.setCurrent(grid.current());
    return result;
}

ChannelGrid clearedCells(const ChannelGrid& grid, CellRange range, const ProductState& product) {
    const auto rows = static_cast<std::size_t>(range.last.row - range.first.row + 1);
    const auto columns = static_cast<std::size_t>(range.last.column - range.first.column + 1);
    const TsvBlock empties(rows, std::vector<std::string>(columns));
    return pasteCells(grid, range.first, empties, product, grid.language()).grid;
}

}  // namespace kw
