#include "channels/screen_scaling.h"

namespace kw {

std::optional<float> ScreenScaling::initialUpdate(int screenWidth) {
    recordedWidth_ = screenWidth;
    if (screenWidth < kSmallestScaledWidth) {
        return std::nullopt;
    }
    return static_cast<float>(screenWidth) / static_cast<float>(kDesignWidth);
}

std::optional<float> ScreenScaling::displayChanged(int screenWidth) {
    if (screenWidth < kSmallestScaledWidth) {
        return std::nullopt;
    }
    if (recordedWidth_ <= 0) {
        recordedWidth_ = screenWidth;
        return std::nullopt;
    }
    const float factor = static_cast<float>(screenWidth) / static_cast<float>(recordedWidth_);
    recordedWidth_ = screenWidth;
    return factor;
}

int scaledSize(int size, float factor) {
    return static_cast<int>(static_cast<float>(size) * factor);
}

}  // namespace kw
