#pragma once
// What the fuzz targets share. A failed expectation ends the run with its reason, so
// libFuzzer keeps the input that caused it.

#include <cstdio>
#include <cstdlib>

#include "channels/channel_grid.h"
#include "model/model_table.h"
#include "model/product_state.h"

namespace kw::fuzz {

[[noreturn]] inline void fail(const char* why) {
    std::fprintf(stderr, "expectation failed: %s\n", why);
    std::abort();
}

inline void expect(bool condition, const char* why) {
    if (!condition) {
        fail(why);
    }
}

inline bool sameCells(const ChannelGrid& a, const ChannelGrid& b) {
    for (int row = 0; row < kGridRowCount; ++row) {
        for (int column = 0; column < kGridColumnCount; ++column) {
            if (a.text(row, column) != b.text(row, column)) {
                return false;
            }
        }
    }
    return true;
}

// The product state of a program set up for `model`.
inline ProductState productOf(const RadioModel& model) {
    ProductState product;
    product.storedModelType = model.type;
    product.bandLowerLimit = model.band.lowerMhz * kUnitsPerMhz;
    product.bandUpperLimit = model.band.upperMhz * kUnitsPerMhz;
    return product;
}

}  // namespace kw::fuzz
