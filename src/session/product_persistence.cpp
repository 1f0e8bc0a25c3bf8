#include "session/product_persistence.h"

#include "model/model_table.h"

namespace kw {
namespace {

BandBytes bandOrModelBand(const BandBytes& band, std::uint8_t type) {
    const auto index = modelIndexOfType(type);
    if (band != BandBytes{} || !index) {
        return band;
    }
    return encodeBand(kRadioModels[static_cast<std::size_t>(*index)].band);
}

}  // namespace

ProductState restoreProductState(const SettingsStore& store) {
    ProductState product;
    product.storedModelType =
        static_cast<std::uint8_t>(store.read(settings::kType).value_or(1) & 0xFF);
    product.storedBand =
        bandOrModelBand(normalisedBand(store.read(settings::kField).value_or(BandBytes{})),
                        product.storedModelType);
    return product;
}

FileWriteResult storeProductState(ProductState& product, const SettingsStore& store) {
    if (!modelIndexOfType(product.storedModelType)) {
        product.storedModelType = kRadioModels[0].type;
    }
    product.storedBand = bandOrModelBand(product.storedBand, product.storedModelType);
    FileWriteResult band = store.write(settings::kField, product.storedBand);
    FileWriteResult type = store.write(settings::kType, product.storedModelType);
    return band ? std::move(type) : std::move(band);
}

}  // namespace kw
