#pragma once
// The printed channel table: which rows it holds, the header above them on every page,
// and how the rows fall onto pages. The painting itself belongs to the desktop shell.

#include <string>
#include <string_view>
#include <vector>

#include "channels/channel_grid.h"
#include "model/product_state.h"

namespace kw {

// The grid rows of the channels in use (any cell of the row holds text), in grid order;
// "Fr" counts like any other channel.
[[nodiscard]] std::vector<int> printedRows(const ChannelGrid& grid);

// "NAME    Model: KW-217V    Band: 136-174 MHz"; a model the table does not know is "-".
[[nodiscard]] std::string printHeaderText(std::string_view documentName,
                                          const ProductState& product, Language language);

// "Page 2 of 3".
[[nodiscard]] std::string pageNumberText(int page, int pageCount, Language language);

struct PrintPages {
    int rowsPerPage = 1;
    int pageCount = 1;
};

// Pages of `pageHeight` with `reservedHeight` for the header, column titles and page
// number, and rows of `rowHeight`. Every page takes at least one row, and a table with
// no rows still prints one page (the header and the column titles).
[[nodiscard]] PrintPages paginate(int rowCount, int pageHeight, int reservedHeight, int rowHeight);

// The printed rows of page `page` (0-based) out of `rows`.
[[nodiscard]] std::vector<int> rowsOfPage(const std::vector<int>& rows, const PrintPages& pages,
                                          int page);

}  // namespace kw
