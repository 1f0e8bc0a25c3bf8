#pragma once
// The two radio models; the list order is the Product Information list order.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/band.h"

namespace kw {

struct RadioModel {
    std::string_view text;
    std::uint8_t type;  // stored in the product block; 0 means none
    BandLimits band;
};

inline constexpr std::array<RadioModel, 2> kRadioModels{{
    {"KW-217V", 1, {136, 174}},
    {"KW-217U", 2, {400, 520}},
}};

inline constexpr std::uint8_t kNoModelType = 0;

// Any byte other than a listed model type means no model.
[[nodiscard]] constexpr std::optional<int> modelIndexOfType(std::uint8_t type) {
    for (std::size_t i = 0; i < kRadioModels.size(); ++i) {
        if (kRadioModels[i].type == type) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

[[nodiscard]] constexpr std::optional<int> modelIndexOfText(std::string_view text) {
    for (std::size_t i = 0; i < kRadioModels.size(); ++i) {
        if (kRadioModels[i].text == text) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

}  // namespace kw
