#include "channels/cell_names.h"

#include <charconv>

#include "base/typed_text.h"

namespace kw {
namespace {

std::optional<int> numberIn(std::string_view text, int lowest, int highest) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        number < lowest || number > highest) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

std::optional<int> rowNamed(std::string_view text) {
    if (sameTypedWord(text, rowTitle(kFrRow))) {
        return kFrRow;
    }
    return numberIn(withoutBlanks(text), kFirstChannelRow, kFrRow - 1);
}

bool isRowTitleHeading(std::string_view text) {
    const GridColumnLayout& titles = kGridColumns[kRowTitleColumn];
    return sameTypedWord(text, titles.english) || sameTypedWord(text, titles.chinese);
}

std::optional<int> columnNamed(std::string_view text, bool allowNumbers) {
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        const GridColumnLayout& titles = kGridColumns[static_cast<std::size_t>(column)];
        if (sameTypedWord(text, titles.english) || sameTypedWord(text, titles.chinese) ||
            sameTypedWord(text, columnKey(column))) {
            return column;
        }
    }
    return allowNumbers ? numberIn(withoutBlanks(text), kRxColumn, kBusyLockColumn) : std::nullopt;
}

}  // namespace kw
