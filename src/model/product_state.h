#pragma once
// The process-wide product state: which model the program works for and its band.
// One object, owned by the application and shared by all of its documents.

#include <cstdint>

#include "model/band.h"
#include "model/radio_image.h"

namespace kw {

struct ProductState {
    std::uint8_t storedModelType = 1;
    BandBytes storedBand{};  // all zero: no band stored
    std::int32_t bandLowerLimit = 136 * kUnitsPerMhz;
    std::int32_t bandUpperLimit = 174 * kUnitsPerMhz;

    // Part of every grid refill: the state follows the image's product block and band.
    void deriveFrom(const RadioImage& image);
    // Part of every grid commit: rebuilds the product block and the band bytes.
    void writeInto(RadioImage& image) const;

    BandLimits limitsMhz() const {
        return {bandLowerLimit / kUnitsPerMhz, bandUpperLimit / kUnitsPerMhz};
    }
};

[[nodiscard]] BandBytes readBandBytes(const RadioImage& image);
void writeBandBytes(RadioImage& image, const BandBytes& band);

}  // namespace kw
