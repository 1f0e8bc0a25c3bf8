#include "model/product_persistence.h"

#include "model/model_table.h"

namespace kw {

ProductState restoreProductState(const SettingsStore& store) {
    ProductState product;
    product.storedBand = normalisedBand(store.read(settings::kField).value_or(BandBytes{}));
    product.storedModelType =
        static_cast<std::uint8_t>(store.read(settings::kType).value_or(1) & 0xFF);
    return product;
}

FileWriteResult storeProductState(ProductState& product, const SettingsStore& store) {
    if (product.storedBand == BandBytes{}) {
        product.storedBand = encodeBand(kRadioModels[0].band);
    }
    if (!modelIndexOfType(product.storedModelType)) {
        product.storedModelType = kRadioModels[0].type;
    }
    FileWriteResult band = store.write(settings::kField, product.storedBand);
    FileWriteResult type = store.write(settings::kType, product.storedModelType);
    return band ? std::move(type) : std::move(band);
}

}  // namespace kw
