#pragma once
// The view was laid out for a 1024-pixel-wide screen and grows or shrinks with the
// screen; screens of 800 pixels or less keep the layout as it is.

#include <optional>

namespace kw {

class ScreenScaling {
  public:
    static constexpr int kDesignWidth = 1024;
    static constexpr int kSmallestScaledWidth = 801;

    // Initial update: records the width; the factor to apply to every size, if any.
    std::optional<float> initialUpdate(int screenWidth);
    // Display change: a small screen changes nothing, not even the recorded width.
    std::optional<float> displayChanged(int screenWidth);

    int recordedWidth() const { return recordedWidth_; }

  private:
    int recordedWidth_ = kDesignWidth;
};

// A size scaled by a factor, truncated toward zero.
[[nodiscard]] int scaledSize(int size, float factor);

}  // namespace kw
