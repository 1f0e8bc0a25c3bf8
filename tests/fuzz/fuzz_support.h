#pragma once
// What the fuzz targets share. A failed expectation ends the run with its reason, so
// libFuzzer keeps the input that caused it.

#include <cstdio>
#include <cstdlib>
#include <string>

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

// The text with every byte outside printable ASCII, and the backslash, as \xHH.
inline std::string visible(const std::string& text) {
    std::string shown;
    for (const unsigned char c : text) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        shown += c >= 0x20 && c < 0x7F && c != 0x5C ? std::string(1, static_cast<char>(c))
                                                    : std::string(hex);
    }
    return shown;
}

// Fails, naming the first cell that differs, unless both grids hold the same texts.
inline void expectSameCells(const ChannelGrid& a, const ChannelGrid& b, const char* why) {
    for (int row = 0; row < kGridRowCount; ++row) {
        for (int column = 0; column < kGridColumnCount; ++column) {
            if (a.text(row, column) != b.text(row, column)) {
                std::fprintf(stderr, "row %d column %d: \"%s\" against \"%s\"\n", row, column,
                             visible(a.text(row, column)).c_str(),
                             visible(b.text(row, column)).c_str());
                fail(why);
            }
        }
    }
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
