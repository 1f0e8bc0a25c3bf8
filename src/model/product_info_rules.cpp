#include "model/product_info_rules.h"

#include <algorithm>

#include "model/model_table.h"

namespace kw {
namespace {

constexpr std::size_t kClearedRecordBytes = 12;

std::string limitText(const std::optional<int>& mhz) {
    return mhz ? std::to_string(*mhz) : std::string();
}

}  // namespace

ProductInfoRules::ProductInfoRules(const ProductState& product)
    : selection_(modelIndexOfType(product.storedModelType)),
      lower_(product.bandLowerLimit / kUnitsPerMhz),
      upper_(product.bandUpperLimit / kUnitsPerMhz),
      openedLower_(product.bandLowerLimit),
      openedUpper_(product.bandUpperLimit) {
    if (!selection_) {
        lower_.reset();
        upper_.reset();
        return;
    }
    const BandLimits band = kRadioModels[static_cast<std::size_t>(*selection_)].band;
    if (*lower_ < band.lowerMhz || *upper_ > band.upperMhz) {
        setLimits(band);
    }
}

std::string ProductInfoRules::lowerText() const {
    return limitText(lower_);
}
std::string ProductInfoRules::upperText() const {
    return limitText(upper_);
}

void ProductInfoRules::select(int index) {
    if (index < 0 || index >= static_cast<int>(kRadioModels.size()) || selection_ == index) {
        return;
    }
    setLimits(kRadioModels[static_cast<std::size_t>(index)].band);
    selection_ = index;
}

ProductInfoRules::Outcome ProductInfoRules::accept(ProductState& product, RadioImage& image) const {
    if (!canAccept()) {
        return Outcome::NotAccepted;
    }
    const BandLimits limits{lower_.value_or(0), upper_.value_or(0)};
    product.storedModelType = kRadioModels[static_cast<std::size_t>(*selection_)].type;
    product.bandLowerLimit = limits.lowerMhz * kUnitsPerMhz;
    product.bandUpperLimit = limits.upperMhz * kUnitsPerMhz;
    const BandBytes band = encodeBand(limits);
    writeBandBytes(image, band);
    image[kModelType] = product.storedModelType;
    product.storedBand = band;

    // The channels only lose their frequencies when the band itself changed.
    if (product.bandLowerLimit == openedLower_ && product.bandUpperLimit == openedUpper_) {
        return Outcome::Unchanged;
    }
    clearChannelFrequenciesAndTones(image);
    return Outcome::ChannelsCleared;
}

void clearChannelFrequenciesAndTones(RadioImage& image) {
    for (int record = 0; record < kEditedRecordCount; ++record) {
        auto bytes = channelRecord(image, record);
        std::fill_n(bytes.begin(), kClearedRecordBytes, kEmptyByte);
    }
}

}  // namespace kw
