#include <gtest/gtest.h>

#include "channels/tone_table.h"

namespace kw {
namespace {

TEST(ToneList, HoldsNoneTheCtcssTonesAndBothPolaritiesOfEveryDcsCode) {
    for (const Language language : {Language::English, Language::Chinese}) {
        const std::vector<std::string> list = buildToneList(language);
        ASSERT_EQ(list.size(), 261u);
        EXPECT_EQ(list[0], language == Language::English ? "None" : "无");
        EXPECT_EQ(list[1], "67.0");
        EXPECT_EQ(list[13], "100.0");
        EXPECT_EQ(list[50], "254.1");
        EXPECT_EQ(list[51], "D023N");
        EXPECT_EQ(list[155], "D754N");
        EXPECT_EQ(list[156], "D023I");
        EXPECT_EQ(list[260], "D754I");
        for (std::size_t i = 51; i <= 155; ++i) {
            std::string inverted = list[i];
            inverted.back() = 'I';
            EXPECT_EQ(list[i + 105], inverted);
        }
    }
}

TEST(ToneList, EveryEntryStoresAsBytesThatShowTheSameEntry) {
    for (const Language language : {Language::English, Language::Chinese}) {
        for (const std::string& text : buildToneList(language)) {
            EXPECT_EQ(toneText(toneBytes(text), language), text);
        }
    }
}

TEST(ToneText, ShowsEachKindOfStoredTone) {
    struct Case {
        std::uint8_t low;
        std::uint8_t high;
        const char* english;
        const char* chinese;
    };
    const Case cases[] = {
        {0x70, 0x06, "67.0", "67.0"},   {0x41, 0x25, "254.1", "254.1"},
        {0x00, 0x10, "100.0", "100.0"}, {0x34, 0x12, "123.4", "123.4"},
        {0x23, 0x80, "D023N", "D023N"}, {0x05, 0x82, "D205N", "D205N"},
        {0x54, 0xC7, "D754I", "D754I"}, {0x23, 0xC0, "D023I", "D023I"},
        {0x99, 0x89, "D999N", "D999N"}, {0x12, 0x00, "None", "无"},
        {0x12, 0xFF, "None", "无"},     {0xFF, 0xFF, "None", "无"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toneText({c.low, c.high}, Language::English), c.english);
        EXPECT_EQ(toneText({c.low, c.high}, Language::Chinese), c.chinese);
    }
}

TEST(ToneBytes, StoresListedAndUnlistedTonesAndNoneAsFFFF) {
    struct Case {
        const char* text;
        std::uint8_t low;
        std::uint8_t high;
    };
    const Case cases[] = {
        {"D023N", 0x23, 0x80},
        {"D023I", 0x23, 0xC0},
        {"D503N", 0x03, 0x85},
        {"D754I", 0x54, 0xC7},
        {"88.5", 0x85, 0x08},
        {"254.1", 0x41, 0x25},
        {"100.0", 0x00, 0x10},
        {"123.4", 0x34, 0x12},
        {"None", 0xFF, 0xFF},
        {"无", 0xFF, 0xFF},
        {"", 0xFF, 0xFF},
        {"abc", 0xFF, 0xFF},
        // Only the tenths count; a second decimal rounds up as the radio's program did.
        {"88.51", 0x86, 0x08},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toneBytes(c.text), (ToneBytes{c.low, c.high})) << c.text;
    }
}

TEST(ToneBytes, DigitsThatDoNotFitTheirKindStoreAsNone) {
    // A wrapped byte would read back as another tone or as another kind.
    for (const char* text :
         {"800.0", "9999.9", "9.9", "-88.5", "D6400N", "D999999N", "D6300I", "D-23N"}) {
        EXPECT_EQ(toneBytes(text), ToneBytes{}) << text;
    }
    EXPECT_EQ(toneBytes("799.9"), (ToneBytes{0x99, 0x79}));
    EXPECT_EQ(toneBytes("10.0"), (ToneBytes{0x00, 0x01}));
    EXPECT_EQ(toneBytes("D6399N"), (ToneBytes{0x99, 0xBF}));
    EXPECT_EQ(toneBytes("D6299I"), (ToneBytes{0x99, 0xFE}));
}

TEST(ToneBytes, EveryBcdToneRoundTripsThroughItsText) {
    for (int high = 0x01; high <= 0xFE; ++high) {
        if ((high & 0x0F) > 9) {
            continue;
        }
        for (int low = 0; low <= 0x99; ++low) {
            if ((low & 0x0F) > 9) {
                continue;
            }
            const ToneBytes stored{static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high)};
            EXPECT_EQ(toneBytes(toneText(stored, Language::Chinese)), stored)
                << std::hex << low << ' ' << high;
        }
    }
}

}  // namespace
}  // namespace kw
