#include <gtest/gtest.h>

#include "model/product_info_rules.h"
#include "session/new_document.h"
#include "support/bytes.h"

namespace kw {
namespace {

using test::bytes;
using test::hex;

void put(RadioImage& image, std::size_t offset, const char* text) {
    const auto b = bytes(text);
    std::copy(b.begin(), b.end(), image.begin() + offset);
}

std::string at(const RadioImage& image, std::size_t offset, std::size_t count) {
    return hex(std::span(image).subspan(offset, count));
}

TEST(ProductState, DerivesFromTheImage) {
    struct Case {
        const char* modelByte;
        const char* band;
        std::uint8_t type;
        const char* storedBand;
        std::int32_t lower;
        std::int32_t upper;
    };
    const Case cases[] = {
        {"01", "13 17 64 13 17 64", 1, "13 17 64 13 17 64", 13600000, 17400000},
        {"02", "40 52 00 40 52 00", 2, "40 52 00 40 52 00", 40000000, 52000000},
        {"03", "14 17 00 14 17 00", 0, "14 17 00 14 17 00", 14000000, 17000000},
        {"FF", "FF FF FF FF FF FF", 0, "00 00 00 00 00 00", 0, 0},
        {"01", "1A 17 64 1A 17 64", 1, "1A 17 64 1A 17 64", 0, 0},
    };
    for (const Case& c : cases) {
        RadioImage image;
        image.fill(0xFF);
        put(image, 0x17B9, c.modelByte);
        put(image, 0x17E8, c.band);
        ProductState product;
        product.deriveFrom(image);
        EXPECT_EQ(product.storedModelType, c.type) << c.band;
        EXPECT_EQ(hex(product.storedBand), c.storedBand);
        EXPECT_EQ(product.bandLowerLimit, c.lower) << c.band;
        EXPECT_EQ(product.bandUpperLimit, c.upper) << c.band;
    }
}

TEST(ProductState, RebuildsTheProductBlockAndBand) {
    struct Case {
        std::uint8_t type;
        std::int32_t lower;
        std::int32_t upper;
        const char* block;
        const char* band;
    };
    const Case cases[] = {
        {1, 13600000, 17400000, "00 01 00 00 88 00 AE 00 88 00 AE 00 00 00 00 00",
         "13 17 64 13 17 64"},
        {2, 40000000, 52000000, "00 02 00 00 90 01 08 02 90 01 08 02 00 00 00 00",
         "40 52 00 40 52 00"},
        {0, 0, 0, "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "00 00 00 00 00 00"},
        {1, 13650000, 17499999, "00 01 00 00 88 00 AE 00 88 00 AE 00 00 00 00 00",
         "13 17 64 13 17 64"},
    };
    for (const Case& c : cases) {
        RadioImage image;
        image.fill(0x55);
        ProductState product{c.type, {}, c.lower, c.upper};
        product.writeInto(image);
        EXPECT_EQ(at(image, 0x17B8, 16), c.block);
        EXPECT_EQ(at(image, 0x17E8, 6), c.band);
        EXPECT_EQ(at(image, 0x17C8, 8), "55 55 55 55 55 55 55 55");
        EXPECT_EQ(at(image, 0x17EE, 4), "55 55 55 55");
    }
}

// The Product Information dialog over a document with the given model byte and band.
struct DialogCase {
    RadioImage image;
    ProductState product;

    DialogCase(const char* modelByte, const char* band) {
        fillNewDocumentImage(image, product);
        put(image, 0x17B9, modelByte);
        put(image, 0x17E8, band);
        for (int record = 0; record < 130; ++record) {
            for (int i = 0; i < 24; ++i) {
                image[record * 24 + i] = static_cast<std::uint8_t>(i);
            }
        }
        product.deriveFrom(image);
    }

    bool channelsCleared() const {
        for (int record = 0; record < 129; ++record) {
            if (at(image, record * 24, 16) != "FF FF FF FF FF FF FF FF FF FF FF FF 0C 0D 0E 0F") {
                return false;
            }
        }
        return true;
    }
    bool channelsUntouched() const {
        for (int record = 0; record < 130; ++record) {
            for (int i = 0; i < 24; ++i) {
                if (image[record * 24 + i] != i) {
                    return false;
                }
            }
        }
        return true;
    }
};

TEST(ProductInfoRules, OpeningShowsTheModelAndItsLimits) {
    struct Case {
        const char* modelByte;
        const char* band;
        std::optional<int> selection;
        const char* lower;
        const char* upper;
    };
    const Case cases[] = {
        {"01", "13 17 64 13 17 64", 0, "136", "174"},
        {"01", "14 17 00 14 17 00", 0, "140", "170"},
        {"01", "13 18 60 13 18 60", 0, "136", "174"},  // 180 MHz is outside: normalised
        {"02", "40 52 00 40 52 00", 1, "400", "520"},
        {"02", "13 17 64 13 17 64", 1, "400", "520"},
        {"00", "13 17 64 13 17 64", std::nullopt, "", ""},
        {"07", "40 52 00 40 52 00", std::nullopt, "", ""},
    };
    for (const Case& c : cases) {
        DialogCase document(c.modelByte, c.band);
        const ProductInfoRules dialog(document.product);
        EXPECT_EQ(dialog.selection(), c.selection) << c.modelByte << ' ' << c.band;
        EXPECT_EQ(dialog.lowerText(), c.lower) << c.band;
        EXPECT_EQ(dialog.upperText(), c.upper) << c.band;
    }
}

TEST(ProductInfoRules, OkClearsChannelsOnlyWhenTheBandChanges) {
    struct Case {
        const char* name;
        const char* modelByte;
        const char* band;
        std::vector<int> picks;
        bool cleared;
        std::uint8_t type;
        const char* storedBand;
    };
    const Case cases[] = {
        {"same model", "01", "13 17 64 13 17 64", {}, false, 1, "13 17 64 13 17 64"},
        {"same model picked", "01", "13 17 64 13 17 64", {0}, false, 1, "13 17 64 13 17 64"},
        {"other model", "01", "13 17 64 13 17 64", {1}, true, 2, "40 52 00 40 52 00"},
        {"there and back", "01", "13 17 64 13 17 64", {1, 0}, false, 1, "13 17 64 13 17 64"},
        {"narrow band back", "01", "14 17 00 14 17 00", {1, 0}, true, 1, "13 17 64 13 17 64"},
        {"narrow band kept", "01", "14 17 00 14 17 00", {}, false, 1, "14 17 00 14 17 00"},
        {"no model, picked", "00", "00 00 00 00 00 00", {1}, true, 2, "40 52 00 40 52 00"},
    };
    for (const Case& c : cases) {
        DialogCase document(c.modelByte, c.band);
        ProductInfoRules dialog(document.product);
        for (int pick : c.picks) {
            dialog.select(pick);
        }
        const auto outcome = dialog.accept(document.product, document.image);
        EXPECT_EQ(outcome, c.cleared ? ProductInfoRules::Outcome::ChannelsCleared
                                     : ProductInfoRules::Outcome::Unchanged)
            << c.name;
        EXPECT_EQ(c.cleared ? document.channelsCleared() : document.channelsUntouched(), true)
            << c.name;
        EXPECT_EQ(document.image[0x0C18], 0) << "record 129 is never cleared: " << c.name;
        EXPECT_EQ(document.product.storedModelType, c.type) << c.name;
        EXPECT_EQ(at(document.image, 0x17B9, 1), hex(std::vector<std::uint8_t>{c.type}));
        EXPECT_EQ(hex(document.product.storedBand), c.storedBand) << c.name;
        EXPECT_EQ(at(document.image, 0x17E8, 6), c.storedBand) << c.name;
    }
}

TEST(ProductInfoRules, OkNeedsAModel) {
    DialogCase document("00", "13 17 64 13 17 64");
    const RadioImage before = document.image;
    ProductInfoRules dialog(document.product);
    EXPECT_FALSE(dialog.canAccept());
    EXPECT_EQ(dialog.accept(document.product, document.image),
              ProductInfoRules::Outcome::NotAccepted);
    EXPECT_EQ(document.image, before);
    EXPECT_EQ(document.product.bandLowerLimit, 13600000);
    dialog.select(5);  // not a list index
    EXPECT_FALSE(dialog.canAccept());
}

TEST(ProductInfoRules, SelectionSetsTheModelLimits) {
    DialogCase document("01", "14 17 00 14 17 00");
    ProductInfoRules dialog(document.product);
    dialog.select(0);  // the selected index again: the limits stay
    EXPECT_EQ(dialog.lowerText(), "140");
    dialog.select(1);
    EXPECT_EQ(dialog.lowerText(), "400");
    EXPECT_EQ(dialog.upperText(), "520");
    dialog.select(0);
    EXPECT_EQ(dialog.lowerText(), "136");
    EXPECT_EQ(dialog.upperText(), "174");
}

}  // namespace
}  // namespace kw
