#pragma once
// Two radio images compared in the words a user sees: one line per channel cell, optional
// feature, password, model and band that differs, and a count of the other bytes that do.

#include <optional>
#include <string>
#include <vector>

#include "channels/grid_layout.h"
#include "model/radio_image.h"
#include "res/language.h"

namespace kw {

struct ImageDifference {
    std::string where;  // "CH 12", "Fr"; empty for features, password, model, other bytes
    std::string what;   // column title / feature name / "Password" / "Model" / ...
    // The texts a user sees ("(empty)" in the chosen language). Where no values are shown
    // (the password, the count of other bytes) `from` is empty and `to` says what changed:
    // "changed", "3 differ".
    std::string from;
    std::string to;
    std::optional<GridCell> cell;  // the grid cell a channel difference is in
};

// Every difference from `from` to `to`, in order: channels 1-128 then Fr, each row's
// columns left to right; then the optional features in the dialog's order; then model and
// band; last "other bytes: N differ" when bytes no item above is made of differ, or bytes
// an item is made of differ while it reads alike (a deleted channel's name).
[[nodiscard]] std::vector<ImageDifference> imageDifferences(const RadioImage& from,
                                                            const RadioImage& to,
                                                            Language language);

// "CH 12 Rx Frequency: 145.50000 -> 145.52500", "Beep: On -> Off", "Password: changed",
// "other bytes: 3 differ" (in the language's words).
[[nodiscard]] std::string differenceLine(const ImageDifference& difference);

}  // namespace kw
