#include "channels/cell_names.h"

#include <algorithm>
#include <charconv>

namespace kw {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    a = trimmed(a);
    b = trimmed(b);
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower(x) == lower(y); });
}

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
    if (sameName(text, rowTitle(kFrRow))) {
        return kFrRow;
    }
    return numberIn(trimmed(text), kFirstChannelRow, kFrRow - 1);
}

bool isRowTitleHeading(std::string_view text) {
    const GridColumnLayout& titles = kGridColumns[kRowTitleColumn];
    return sameName(text, titles.english) || sameName(text, titles.chinese);
}

std::optional<int> columnNamed(std::string_view text, bool allowNumbers) {
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        const GridColumnLayout& titles = kGridColumns[static_cast<std::size_t>(column)];
        if (sameName(text, titles.english) || sameName(text, titles.chinese) ||
            sameName(text, columnKey(column))) {
            return column;
        }
    }
    return allowNumbers ? numberIn(trimmed(text), kRxColumn, kBusyLockColumn) : std::nullopt;
}

}  // namespace kw
