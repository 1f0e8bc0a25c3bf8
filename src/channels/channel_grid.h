#pragma once
// The channel grid: the working copy of channel records 0-128 as cell texts while the
// user edits. The view shows these texts directly; the radio image follows only at the
// next grid commit.

#include <array>
#include <cstdint>
#include <string>

#include "channels/grid_layout.h"
#include "model/product_state.h"
#include "model/radio_image.h"
#include "res/language.h"

namespace kw {

class GbkCodec;

class ChannelGrid {
  public:
    // Titles in `language`; every channel cell empty; row 1, "Chnnel Name" current.
    explicit ChannelGrid(Language language);

    Language language() const { return language_; }

    // Any of the 130 x 10 cells, titles included.
    const std::string& text(int row, int column) const { return cells_[index(row, column)]; }
    const std::string& text(GridCell cell) const { return text(cell.row, cell.column); }
    // Channel cells only (isChannelCell).
    void setText(GridCell cell, std::string text);
    // Columns 1-9 of the row become empty: the channel is deleted.
    void clearChannel(int row);

    GridCell current() const { return current_; }
    // Channel cells only (isChannelCell).
    void setCurrent(GridCell cell);

    // Image -> cells of rows 1-129, then the product state follows the image.
    void refill(const RadioImage& image, ProductState& product);
    // Product block and band bytes from the product state, then rows 1-129 -> records.
    // Record bytes 12, 14, 15 and bit 0 of byte 13 stay as they are.
    void commit(RadioImage& image, const ProductState& product) const;
    // The bytes row `row` commits into an erased record.
    std::array<std::uint8_t, kRowSize> recordBytes(int row) const;

  private:
    void commitRow(int row, ImageRow record, GbkCodec& codec) const;
    static std::size_t index(int row, int column) {
        return static_cast<std::size_t>(row) * kGridColumnCount + static_cast<std::size_t>(column);
    }

    Language language_;
    std::array<std::string, kGridRowCount * kGridColumnCount> cells_;
    GridCell current_;
};

}  // namespace kw
