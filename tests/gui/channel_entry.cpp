#include "channel_entry.h"

#include "app/program_view.h"
#include "channels/cell_edit.h"

namespace kw::test {

bool enterChannels(app::CChildFrame& child, ProductState& product,
                   std::span<const ChannelEntry> channels) {
    ChannelGrid grid(Language::English);
    ChannelEditors editors(Language::English);
    grid.refill(child.document().image(), product);
    for (const ChannelEntry& channel : channels) {
        if (!editCell(grid, editors, {channel.row, kRxColumn}, channel.rx, product).accepted() ||
            !editCell(grid, editors, {channel.row, kNameColumn}, channel.name, product)
                 .accepted()) {
            return false;
        }
    }
    grid.commit(child.document().image(), product);
    child.view()->refill();
    return true;
}

ChannelGrid gridOf(const RadioImage& image) {
    ChannelGrid grid(Language::English);
    ProductState product;
    grid.refill(image, product);
    return grid;
}

}  // namespace kw::test
