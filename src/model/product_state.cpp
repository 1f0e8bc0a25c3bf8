#include "model/product_state.h"

#include <algorithm>

#include "model/model_table.h"

namespace kw {
namespace {

void putLittleEndian16(RadioImage& image, std::size_t offset, int value) {
    image[offset] = static_cast<std::uint8_t>(value & 0xFF);
    image[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// Offsets inside the product block as rebuilt at a grid commit.
constexpr std::size_t kLowerLimitField = 4;
constexpr std::size_t kUpperLimitField = 6;
constexpr std::size_t kLowerLimitCopy = 8;
constexpr std::size_t kUpperLimitCopy = 10;

}  // namespace

BandBytes readBandBytes(const RadioImage& image) {
    BandBytes band;
    std::copy_n(image.begin() + kBandBytes, band.size(), band.begin());
    return band;
}

void writeBandBytes(RadioImage& image, const BandBytes& band) {
    std::copy(band.begin(), band.end(), image.begin() + kBandBytes);
}

void ProductState::deriveFrom(const RadioImage& image) {
    storedBand = normalisedBand(readBandBytes(image));
    const std::uint8_t type = image[kModelType];
    storedModelType = modelIndexOfType(type) ? type : kNoModelType;
    const BandLimits limits = decodeBand(storedBand);
    bandLowerLimit = limits.lowerMhz * kUnitsPerMhz;
    bandUpperLimit = limits.upperMhz * kUnitsPerMhz;
}

void ProductState::writeInto(RadioImage& image) const {
    const BandLimits limits = limitsMhz();
    std::fill_n(image.begin() + kProductBlock, kProductBlockSize, std::uint8_t{0});
    image[kModelType] = storedModelType;
    putLittleEndian16(image, kProductBlock + kLowerLimitField, limits.lowerMhz);
    putLittleEndian16(image, kProductBlock + kUpperLimitField, limits.upperMhz);
    putLittleEndian16(image, kProductBlock + kLowerLimitCopy, limits.lowerMhz);
    putLittleEndian16(image, kProductBlock + kUpperLimitCopy, limits.upperMhz);
    writeBandBytes(image, encodeBand(limits));
}

}  // namespace kw
