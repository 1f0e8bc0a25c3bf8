#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "channels/frequency_codec.h"
#include "support/bytes.h"

namespace kw {
namespace {

FrequencyBytes frequencyBytesOf(std::string_view hexText) {
    const std::vector<std::uint8_t> parsed = test::bytes(hexText);
    FrequencyBytes bytes{};
    std::copy(parsed.begin(), parsed.end(), bytes.begin());
    return bytes;
}

ProductState uhfProduct() {
    ProductState product;
    product.bandLowerLimit = 40'000'000;
    product.bandUpperLimit = 52'000'000;
    return product;
}

TEST(FrequencyDecode, ReadsPackedBcdLeastSignificantPairFirst) {
    struct Case {
        const char* bytes;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"00 25 51 14", 14'512'500},   {"25 06 30 43", 43'300'625},   {"99 99 99 99", 99'999'999},
        {"00 00 00 1A", 20'000'000},  // nibbles are not tested
        {"00 25 51 FF", std::nullopt}, {"00 25 51 00", std::nullopt}, {"FF FF FF FF", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeFrequency(frequencyBytesOf(c.bytes)), c.value) << c.bytes;
    }
}

TEST(FrequencyEncode, WritesPackedBcdOrAbsentForWhatEightDigitsCannotHold) {
    struct Case {
        std::int32_t value;
        const char* bytes;
    };
    const Case cases[] = {
        {14'512'500, "00 25 51 14"}, {43'300'625, "25 06 30 43"},  {14'510'000, "00 00 51 14"},
        {99'999'999, "99 99 99 99"}, {1, "01 00 00 00"},           {0, "FF FF FF FF"},
        {-5, "FF FF FF FF"},         {100'000'000, "FF FF FF FF"}, {165'000'000, "FF FF FF FF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(test::hex(encodeFrequency(c.value)), c.bytes) << c.value;
    }
}

TEST(FrequencyFormat, FiveDecimalsOfMegahertz) {
    EXPECT_EQ(formatFrequency(14'512'500), "145.12500");
    EXPECT_EQ(formatFrequency(6'700'000), "67.00000");
    EXPECT_EQ(formatFrequency(43'300'625), "433.00625");
    EXPECT_EQ(formatFrequency(1), "0.00001");
}

// The texts are exactly what printf("%3.5f") makes of the same double.
TEST(FrequencyFormat, MatchesTheCFormatForAnyValueOrNumberRead) {
    std::mt19937_64 random(5);
    char expected[400];
    for (int i = 0; i < 200'000; ++i) {
        const auto value = static_cast<std::int32_t>(random());
        std::snprintf(expected, sizeof expected, "%3.5f", value * 1.0 / 100000);
        ASSERT_EQ(formatFrequency(value), expected);
        const double number =
            std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 120) - 100);
        char typed[40];
        std::snprintf(typed, sizeof typed, "%.17g", number);
        std::snprintf(expected, sizeof expected, "%3.5f", std::strtod(typed, nullptr));
        ASSERT_EQ(parseFrequency(typed).text, expected) << typed;
    }
}

TEST(FrequencyParse, ReadsTheNumericPrefixExactlyAndTruncatesBeyondFiveDecimals) {
    struct Case {
        const char* text;
        const char* normalised;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"145.1", "145.10000", 14'510'000},  // a plain double product gives 14,509,999
        {"145.125", "145.12500", 14'512'500},
        {"  433.00625", "433.00625", 43'300'625},
        {"145.1x", "145.10000", 14'510'000},
        {"145.123456", "145.12346", 14'512'345},  // the text rounds, the value truncates
        {"145.999999", "146.00000", 14'599'999},
        {"abc", "0.00000", 0},
        {"", "0.00000", 0},
        {"1e2", "100.00000", 10'000'000},
        {"21474.83647", "21474.83647", 2'147'483'647},
        {"21474.83648", "21474.83648", std::nullopt},
        {"999999999", "999999999.00000", std::nullopt},
        {"-145.1", "-145.10000", std::nullopt},
        {"-0.000001", "-0.00000", 0},
        {"inf", "inf", std::nullopt},
    };
    for (const Case& c : cases) {
        const ParsedFrequency parsed = parseFrequency(c.text);
        EXPECT_EQ(parsed.text, c.normalised) << c.text;
        EXPECT_EQ(parsed.value, c.value) << c.text;
    }
}

// Every channel of both rasters: the grid's own text and the shortest typed text both
// come back as the same value, and the grid's text as the same text.
TEST(FrequencyParse, EveryRasterStepFrom67To600MegahertzRoundTrips) {
    int checked = 0;
    for (const std::int32_t step : {kRaster5kHz, kRaster6k25Hz}) {
        for (std::int32_t value = kLowestRx; value <= kHighestRx; value += step) {
            const std::string text = formatFrequency(value);
            const ParsedFrequency parsed = parseFrequency(text);
            ASSERT_EQ(parsed.value, value) << text;
            ASSERT_EQ(parsed.text, text);
            std::string typed = text;
            typed.erase(typed.find_last_not_of('0') + 1);
            ASSERT_EQ(parseFrequency(typed).value, value) << typed;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 106'601 + 85'281);
}

TEST(TenHertzUnits, RoundsTheDoubleToFifteenDigitsBeforeTruncating) {
    EXPECT_EQ(tenHertzUnits(145.1), 14'510'000);
    EXPECT_EQ(tenHertzUnits(0.1 + 0.2), 30'000);               // 0.30000000000000004
    EXPECT_EQ(tenHertzUnits(145.00000999999999), 14'500'001);  // 145.000010000000
    EXPECT_EQ(tenHertzUnits(145.000009999), 14'500'000);
    EXPECT_EQ(tenHertzUnits(0.0), 0);
}

TEST(RxValidation, RangeThenRasterThenBand) {
    const ProductState vhf;
    const ProductState uhf = uhfProduct();
    struct Case {
        const char* text;
        const ProductState& product;
        std::optional<MessageId> rejection;
    };
    const Case cases[] = {
        {"145.0125", vhf, std::nullopt},
        {"145.005", vhf, std::nullopt},
        {"136", vhf, std::nullopt},
        {"174", vhf, std::nullopt},
        {"433.00625", uhf, std::nullopt},
        {"66.99999", vhf, MessageId::ErrorDataFormat},
        {"50", vhf, MessageId::ErrorDataFormat},
        {"abc", vhf, MessageId::ErrorDataFormat},
        {"999999999", vhf, MessageId::ErrorDataFormat},
        {"600.00001", vhf, MessageId::ErrorDataFormat},
        {"50.003", vhf, MessageId::ErrorDataFormat},  // range before raster
        {"145.003", vhf, MessageId::ErrorStepValue},
        {"180.003", vhf, MessageId::ErrorStepValue},  // raster before band
        {"180", vhf, MessageId::OutOfRange},
        {"600", vhf, MessageId::OutOfRange},
        {"135.99500", vhf, MessageId::OutOfRange},
        {"145", uhf, MessageId::OutOfRange},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(validateRx(parseFrequency(c.text).value, c.product), c.rejection) << c.text;
    }
}

TEST(TxCoercion, OutOfBandBecomesTheLowerLimitAndNoRxMeansNoTx) {
    const ProductState vhf;
    const ProductState uhf = uhfProduct();
    struct Case {
        const char* text;
        const char* rx;
        const ProductState& product;
        const char* cell;
    };
    const Case cases[] = {
        {"145.6", "145.00000", vhf, "145.60000"},
        {"145.123", "145.00000", vhf, "145.12300"},  // no raster for Tx
        {"174", "145.00000", vhf, "174.00000"},
        {"180", "145.00000", vhf, "136.00000"},
        {"174.00001", "145.00000", vhf, "136.00000"},
        {"", "145.00000", vhf, "136.00000"},
        {"abc", "145.00000", vhf, "136.00000"},
        {"999999999", "145.00000", vhf, "136.00000"},
        {"145", "433.00000", uhf, "400.00000"},
        {"145.6", "", vhf, ""},
        {"", "", vhf, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(coerceTx(c.text, c.rx, c.product), c.cell) << c.text << " / " << c.rx;
    }
}

TEST(OffsetDirection, TxAboveOrBelowRxSetsOneBit) {
    struct Case {
        const char* rx;
        const char* tx;
        std::uint8_t bits;
    };
    const Case cases[] = {
        {"145.00000", "145.60000", kTxAboveRx},
        {"145.00000", "144.40000", kTxBelowRx},
        {"145.00000", "145.00000", 0},
        {"145.00000", "", 0},
        {"", "145.00000", 0},
        {"abc", "145.00000", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(offsetDirection(c.rx, c.tx), c.bits) << c.rx << " / " << c.tx;
    }
}

}  // namespace
}  // namespace kw
