#pragma once
// Rows and columns as people name them in scripts and CSV headers: a row by its title
// ("1" to "128", "Fr" in any letter case), a column by its number, either language's
// heading or its short key, letter case and surrounding blanks ignored.

#include <array>
#include <optional>
#include <string_view>

#include "channels/grid_layout.h"

namespace kw {

// The short key of each channel column (1-9), in column order: the names scripts type
// and the keys of machine-readable output.
inline constexpr std::array<std::string_view, kGridColumnCount - 1> kColumnKeys{
    "rx", "tx", "dec", "enc", "name", "power", "wn", "scan", "busy"};

[[nodiscard]] constexpr std::string_view columnKey(int column) {
    return kColumnKeys[static_cast<std::size_t>(column - kRxColumn)];
}

// Rows 1-128 or kFrRow.
[[nodiscard]] std::optional<int> rowNamed(std::string_view text);

// The row-title column's heading, "CH" or "信道".
[[nodiscard]] bool isRowTitleHeading(std::string_view text);

// Columns kRxColumn-kBusyLockColumn. `allowNumbers` takes "1" to "9" too.
[[nodiscard]] std::optional<int> columnNamed(std::string_view text, bool allowNumbers);

}  // namespace kw
