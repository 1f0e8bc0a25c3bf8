#pragma once
// Channels put into a document window as the view's editors put them: through the
// grid's cell rules, then committed into the image and shown by a refill.

#include <span>

#include "app/child_frame.h"
#include "channels/channel_grid.h"

namespace kw::test {

struct ChannelEntry {
    int row;
    const char* rx;
    const char* name;
};

inline constexpr ChannelEntry kSampleChannels[] = {
    {1, "145.5", "ALPHA"}, {2, "146.025", "BRAVO"}, {3, "147.3375", "RPT"}, {129, "144.8", "FR"}};

// False when the cell rules refuse one of the values.
bool enterChannels(app::CChildFrame& child, ProductState& product,
                   std::span<const ChannelEntry> channels = kSampleChannels);

// The grid a refill of `image` gives.
ChannelGrid gridOf(const RadioImage& image);

}  // namespace kw::test
