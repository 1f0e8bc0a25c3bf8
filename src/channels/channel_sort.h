#pragma once
// Sorting the channels 1-128 as one reordering of whole records (see channel_rows.h).

#include "channels/channel_rows.h"

namespace kw {

enum class SortKey { RxFrequency, Name };
enum class SortOrder { Ascending, Descending };

// Stable; empty channels go last either way; Fr stays.
RowEdit sortChannels(RadioImage& image, SortKey key, SortOrder order);

}  // namespace kw
