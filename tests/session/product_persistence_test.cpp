#include <gtest/gtest.h>

#include "session/product_persistence.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::hex;

// A band the settings lack is the stored model's band, as a first run needs it.
TEST(ProductPersistence, RestoresWithTheStartUpDefaults) {
    struct Case {
        const char* name;
        std::optional<BandBytes> field;
        std::optional<std::uint32_t> type;
        const char* band;
        std::uint8_t modelType;
    };
    const Case cases[] = {
        {"nothing stored", std::nullopt, std::nullopt, "13 17 64 13 17 64", 1},
        {"erased band", BandBytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 2, "40 52 00 40 52 00", 2},
        {"zero band", BandBytes{}, 1, "13 17 64 13 17 64", 1},
        {"UHF", BandBytes{0x40, 0x52, 0x00, 0x40, 0x52, 0x00}, 2, "40 52 00 40 52 00", 2},
        {"VHF band, UHF model", BandBytes{0x13, 0x17, 0x64, 0x13, 0x17, 0x64}, 2,
         "13 17 64 13 17 64", 2},
        {"type 3 kept, no band", std::nullopt, 3, "00 00 00 00 00 00", 3},
        {"low byte only", std::nullopt, 0x0102, "40 52 00 40 52 00", 2},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        const SettingsStore store(dir.file("settings.ini"));
        if (c.field) {
            ASSERT_TRUE(store.write(settings::kField, *c.field));
        }
        if (c.type) {
            ASSERT_TRUE(store.write(settings::kType, *c.type));
        }
        const ProductState product = restoreProductState(store);
        EXPECT_EQ(hex(product.storedBand), c.band) << c.name;
        EXPECT_EQ(product.storedModelType, c.modelType) << c.name;
        EXPECT_EQ(product.bandLowerLimit, 13600000) << c.name;
    }
}

TEST(ProductPersistence, StoresAModelAndABandAlways) {
    struct Case {
        std::uint8_t type;
        BandBytes band;
        std::uint32_t storedType;
        const char* storedBand;
    };
    const Case cases[] = {
        {0, BandBytes{}, 1, "13 17 64 13 17 64"},
        {3, BandBytes{}, 1, "13 17 64 13 17 64"},
        {2, BandBytes{}, 2, "40 52 00 40 52 00"},
        {3, BandBytes{0x40, 0x52, 0x00, 0x40, 0x52, 0x00}, 1, "40 52 00 40 52 00"},
        {2, BandBytes{0x40, 0x52, 0x00, 0x40, 0x52, 0x00}, 2, "40 52 00 40 52 00"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        const SettingsStore store(dir.file("settings.ini"));
        ProductState product;
        product.storedModelType = c.type;
        product.storedBand = c.band;
        ASSERT_TRUE(storeProductState(product, store));
        EXPECT_EQ(store.read(settings::kType), c.storedType);
        EXPECT_EQ(hex(*store.read(settings::kField)), c.storedBand);
    }
}

TEST(ProductPersistence, ReportsAStoreThatCannotBeWritten) {
    test::TempDir dir;
    test::writeFile(dir.file("blocker"), "");
    const SettingsStore store(dir.file("blocker/settings.ini"));
    ProductState product;
    EXPECT_FALSE(storeProductState(product, store));
}

}  // namespace
}  // namespace kw
