#pragma once
// The channel grid's shape: 130 rows (a title row, channels 1-128, "Fr") by 10 columns (a
// row-title column and the nine fields of a channel record).

#include <array>
#include <string>
#include <string_view>

#include "res/language.h"

namespace kw {

inline constexpr int kGridRowCount = 130;
inline constexpr int kGridColumnCount = 10;
inline constexpr int kTitleRow = 0;
inline constexpr int kFirstChannelRow = 1;
inline constexpr int kFrRow = 129;

enum GridColumn : int {
    kRowTitleColumn = 0,
    kRxColumn,
    kTxColumn,
    kDecodeToneColumn,
    kEncodeToneColumn,
    kNameColumn,
    kPowerColumn,
    kWidthColumn,
    kScanAddColumn,
    kBusyLockColumn,
};

struct GridCell {
    int row = kFirstChannelRow;
    int column = kNameColumn;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// A cell the user can make current and edit: rows 1-129, columns 1-9.
[[nodiscard]] constexpr bool isChannelCell(GridCell cell) {
    return cell.row >= kFirstChannelRow && cell.row <= kFrRow && cell.column >= kRxColumn &&
           cell.column <= kBusyLockColumn;
}

// Grid row r shows channel record r - 1.
[[nodiscard]] constexpr int recordOfRow(int row) {
    return row - 1;
}

struct GridColumnLayout {
    std::string_view english;
    std::string_view chinese;
    int widthPercent;  // of the base width the grid reports for column 0
};

inline constexpr std::array<GridColumnLayout, kGridColumnCount> kGridColumns{{
    {"CH", "信道", 50},
    {"Rx Frequency", "接收频率", 106},
    {"Tx Frequency", "发射频率", 106},
    {"QT/DQT Dec", "QT/DQT解码", 110},
    {"QT/DQT Enc", "QT/DQT编码", 110},
    {"Chnnel Name", "信道名字", 108},
    {"Power", "功率", 70},
    {" W/N ", "宽/窄", 86},
    {"Scan Add", "扫描添加", 80},
    {"Busy Lock", "繁忙锁定", 105},
}};

[[nodiscard]] constexpr std::string_view columnTitle(int column, Language language) {
    const GridColumnLayout& titles = kGridColumns[static_cast<std::size_t>(column)];
    return pick(language, titles.english, titles.chinese);
}

// "1" to "128", and "Fr" for row 129.
[[nodiscard]] std::string rowTitle(int row);

// The column's width for a base width, truncated to whole units (twips or pixels).
[[nodiscard]] constexpr int columnWidth(int column, int baseWidth) {
    return baseWidth * kGridColumns[static_cast<std::size_t>(column)].widthPercent / 100;
}

}  // namespace kw
