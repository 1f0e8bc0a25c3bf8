#include <gtest/gtest.h>

#include "model/band.h"
#include "support/bytes.h"

namespace kw {
namespace {

using test::bytes;
using test::hex;

BandBytes band(const char* text) {
    BandBytes result{};
    const auto b = bytes(text);
    std::copy(b.begin(), b.end(), result.begin());
    return result;
}

TEST(Band, EncodesAndDecodesTheModels) {
    const std::pair<BandLimits, const char*> cases[] = {
        {{136, 174}, "13 17 64 13 17 64"}, {{400, 520}, "40 52 00 40 52 00"},
        {{140, 170}, "14 17 00 14 17 00"}, {{0, 0}, "00 00 00 00 00 00"},
        {{999, 999}, "99 99 99 99 99 99"},
    };
    for (const auto& [limits, text] : cases) {
        EXPECT_EQ(hex(encodeBand(limits)), text);
        EXPECT_EQ(decodeBand(band(text)), limits) << text;
    }
}

TEST(Band, NeverWritesWrappedDigits) {
    for (BandLimits limits : {BandLimits{1000, 174}, BandLimits{136, 1665}, BandLimits{-1, 174}}) {
        EXPECT_EQ(hex(encodeBand(limits)), "00 00 00 00 00 00");
    }
}

TEST(Band, NonDigitNibblesDecodeAsNoBand) {
    for (const char* text : {"FF FF FF FF FF FF", "1A 17 64 1A 17 64", "13 17 6F 13 17 6F"}) {
        EXPECT_EQ(decodeBand(band(text)), (BandLimits{0, 0})) << text;
    }
}

TEST(Band, ErasedBandNormalisesToZero) {
    EXPECT_EQ(hex(normalisedBand(band("FF FF FF FF FF FF"))), "00 00 00 00 00 00");
    EXPECT_EQ(hex(normalisedBand(band("13 17 64 13 17 64"))), "13 17 64 13 17 64");
    EXPECT_EQ(hex(normalisedBand(band("FF FF FF FF FF 00"))), "FF FF FF FF FF 00");
}

}  // namespace
}  // namespace kw
