#pragma once
// The radio image is the only model of a radio's data; editors read and write its bytes.

#include <array>
#include <cassert>
#include <cstdint>
#include <span>

#include "model/image_layout.h"

namespace kw {

using RadioImage = std::array<std::uint8_t, kImageSize>;
using ImageRow = std::span<std::uint8_t, kRowSize>;
using ConstImageRow = std::span<const std::uint8_t, kRowSize>;

inline ImageRow imageRow(RadioImage& image, int row) {
    assert(row >= 0 && row < kRowCount);
    return ImageRow(image.data() + rowOffset(row), kRowSize);
}

inline ConstImageRow imageRow(const RadioImage& image, int row) {
    assert(row >= 0 && row < kRowCount);
    return ConstImageRow(image.data() + rowOffset(row), kRowSize);
}

// Channel record i (0-127 channels 1-128, 128 "Fr") is image row i.
inline ImageRow channelRecord(RadioImage& image, int record) {
    return imageRow(image, record);
}
inline ConstImageRow channelRecord(const RadioImage& image, int record) {
    return imageRow(image, record);
}

}  // namespace kw
