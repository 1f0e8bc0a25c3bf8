#pragma once
// The product state kept between runs: restored at start-up, stored at the end.

#include "model/product_state.h"
#include "platform/settings_store.h"

namespace kw {

// A missing model type is 1. A band missing or erased is the stored model's band (the
// first run stores none), so a document made for the second model can be saved and opened
// again; with an unknown model it stays all zero. The limits keep their start values
// until the first grid refill.
[[nodiscard]] ProductState restoreProductState(const SettingsStore& store);

// An unknown model becomes type 1 and a missing band the model's band before both are
// written; a failed write leaves the old values in the store.
FileWriteResult storeProductState(ProductState& product, const SettingsStore& store);

}  // namespace kw
