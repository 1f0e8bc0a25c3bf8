#include "channels/channel_sort.h"

#include <algorithm>
#include <cctype>

#include "channels/channel_name.h"
#include "channels/frequency_codec.h"
#include "channels/grid_layout.h"

namespace kw {
namespace {

struct Entry {
    std::array<std::uint8_t, kRowSize> record;
    std::int32_t rx = 0;
    std::string name;  // letter case folded
};

std::string foldedName(ConstImageRow record, GbkCodec& codec) {
    std::string name = channelNameText(record.subspan<record::kName, record::kNameSize>(), codec);
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return name;
}

}  // namespace

RowEdit sortChannels(RadioImage& image, SortKey key, SortOrder order) {
    GbkCodec codec;
    std::vector<Entry> used;
    std::vector<Entry> empty;
    for (int row = kFirstChannelRow; row < kFrRow; ++row) {
        const ConstImageRow record = channelRecord(image, recordOfRow(row));
        Entry entry;
        std::copy(record.begin(), record.end(), entry.record.begin());
        if (!isChannelInUse(image, row)) {
            empty.push_back(std::move(entry));
            continue;
        }
        entry.rx = *decodeFrequency(record.subspan<record::kRxFrequency, record::kFrequencySize>());
        entry.name = foldedName(record, codec);
        used.push_back(std::move(entry));
    }
    const auto before = [key](const Entry& a, const Entry& b) {
        return key == SortKey::RxFrequency ? a.rx < b.rx : a.name < b.name;
    };
    // Stable both ways: equal channels keep their order in descending sorts too.
    if (order == SortOrder::Ascending) {
        std::stable_sort(used.begin(), used.end(), before);
    } else {
        std::stable_sort(used.begin(), used.end(),
                         [&before](const Entry& a, const Entry& b) { return before(b, a); });
    }
    used.insert(used.end(), empty.begin(), empty.end());
    RowEdit edit;
    for (int row = kFirstChannelRow; row < kFrRow; ++row) {
        const auto& record = used[static_cast<std::size_t>(recordOfRow(row))].record;
        const ImageRow target = channelRecord(image, recordOfRow(row));
        if (!std::equal(record.begin(), record.end(), target.begin())) {
            std::copy(record.begin(), record.end(), target.begin());
            edit.changed = true;
        }
    }
    return edit;
}

}  // namespace kw
