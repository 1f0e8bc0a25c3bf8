#pragma once
// The product state kept between runs: restored at start-up, stored at the end.

#include "model/product_state.h"
#include "platform/settings_store.h"

namespace kw {

// A missing band stays all zero (an erased one reads as zero too); a missing model type
// is 1. The limits keep their start values until the first grid refill.
[[nodiscard]] ProductState restoreProductState(const SettingsStore& store);

// No band becomes 136-174 MHz and no model becomes type 1 before both are written.
FileWriteResult storeProductState(ProductState& product, const SettingsStore& store);

}  // namespace kw
