#include "channels/channel_print_layout.h"

#include <algorithm>

#include "model/model_table.h"

namespace kw {

std::vector<int> printedRows(const ChannelGrid& grid) {
    std::vector<int> rows;
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            if (!grid.text(row, column).empty()) {
                rows.push_back(row);
                break;
            }
        }
    }
    return rows;
}

std::string printHeaderText(std::string_view documentName, const ProductState& product,
                            Language language) {
    const auto model = modelIndexOfType(product.storedModelType);
    const std::string modelText =
        model ? std::string(kRadioModels[static_cast<std::size_t>(*model)].text) : "-";
    const BandLimits band = product.limitsMhz();
    std::string text(documentName);
    text += "    ";
    text += pick(language, "Model: ", "机型：");
    text += modelText;
    text += "    ";
    text += pick(language, "Band: ", "频段：");
    text += std::to_string(band.lowerMhz) + "-" + std::to_string(band.upperMhz) + " MHz";
    return text;
}

std::string pageNumberText(int page, int pageCount, Language language) {
    if (language == Language::Chinese) {
        return "第 " + std::to_string(page) + " 页，共 " + std::to_string(pageCount) + " 页";
    }
    return "Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

PrintPages paginate(int rowCount, int pageHeight, int reservedHeight, int rowHeight) {
    PrintPages pages;
    if (rowHeight > 0) {
        pages.rowsPerPage = std::max(1, (pageHeight - reservedHeight) / rowHeight);
    }
    pages.pageCount = std::max(1, (rowCount + pages.rowsPerPage - 1) / pages.rowsPerPage);
    return pages;
}

std::vector<int> rowsOfPage(const std::vector<int>& rows, const PrintPages& pages, int page) {
    const auto size = static_cast<int>(rows.size());
    const int first = std::clamp(page * pages.rowsPerPage, 0, size);
    const int last = std::clamp(first + pages.rowsPerPage, 0, size);
    return {rows.begin() + first, rows.begin() + last};
}

}  // namespace kw
