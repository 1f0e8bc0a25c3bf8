#include <gtest/gtest.h>

#include <string>

#include "model/program_doc.h"
#include "session/new_document.h"
#include "support/bytes.h"

namespace kw {
namespace {

using test::bytes;
using test::hex;

std::string bytesAt(const RadioImage& image, std::size_t offset, std::size_t count) {
    return hex(std::span(image).subspan(offset, count));
}

RadioImage newImage(ProductState product = {}) {
    CProgramDoc document;
    startNewDocument(document, product, "Demo", Language::English);
    return document.image();
}

struct FactoryBlock {
    std::size_t offset;
    const char* bytes;
};

// What a radio holds when nothing is programmed, outside the 2-Tone tables.
const FactoryBlock kFactoryBlocks[] = {
    {0x1260, "01 04 00 00 00 BE 13 7A 00 00"},
    {0x12A8, "FD 00 FF 01"},
    {0x1308, "00 04 00 00 FF 01"},
    {0x132F, "41"},
    {0x1347, "00"},
    {0x1620, "05 05 0A 00 14 00 02 00"},
    {0x17B8, "01 01 01 00 88 00 AE 00 E0 01 08 02 00 00 00 00"},
    {0x17E8, "00 00 00 00 00 00 29 27 22 1E"},
};

TEST(NewDocument, SettingsRowsHoldTheFactoryBytes) {
    const RadioImage image = newImage();
    for (const FactoryBlock& c : kFactoryBlocks) {
        const std::string want = c.bytes;
        EXPECT_EQ(bytesAt(image, c.offset, bytes(want).size()), want) << std::hex << c.offset;
    }
}

TEST(NewDocument, TwoToneTablesFillBytes0To15OfTheirRows) {
    const RadioImage image = newImage();
    for (int row = 224; row <= 231; ++row) {
        EXPECT_EQ(bytesAt(image, row * 24, 24),
                  "4E 20 27 10 4E 20 27 10 4E 20 27 10 4E 20 27 10 FF FF FF FF FF FF FF FF")
            << row;
    }
    for (int row = 232; row <= 235; ++row) {
        EXPECT_EQ(bytesAt(image, row * 24, 24),
                  "4E 20 27 10 05 05 0A 05 4E 20 27 10 05 05 0A 05 FF FF FF FF FF FF FF FF")
            << row;
    }
}

TEST(NewDocument, EveryOtherByteIsErased) {
    const RadioImage image = newImage();
    RadioImage expected;
    expected.fill(0xFF);
    for (const FactoryBlock& block : kFactoryBlocks) {
        const auto b = bytes(block.bytes);
        std::copy(b.begin(), b.end(), expected.begin() + block.offset);
    }
    for (int i = 0; i < 32; ++i) {
        const auto b = bytes("4E 20 27 10");
        std::copy(b.begin(), b.end(), expected.begin() + 0x1500 + (i / 4) * 24 + (i % 4) * 4);
    }
    for (int i = 0; i < 8; ++i) {
        const auto b = bytes("4E 20 27 10 05 05 0A 05");
        std::copy(b.begin(), b.end(), expected.begin() + 0x15C0 + (i / 2) * 24 + (i % 2) * 8);
    }
    EXPECT_EQ(image, expected);
}

TEST(NewDocument, StoredModelAndBandAreTaken) {
    struct Case {
        std::uint8_t type;
        const char* storedBand;
        const char* modelByte;
        const char* bandBytes;
    };
    const Case cases[] = {
        {1, "FF FF FF FF FF FF", "01", "00 00 00 00 00 00"},
        {2, "40 52 00 40 52 00", "02", "40 52 00 40 52 00"},
        {0, "13 17 64 13 17 64", "00", "13 17 64 13 17 64"},
        {1, "12 34 56 65 43 21", "01", "12 34 56 65 43 21"},
    };
    for (const Case& c : cases) {
        ProductState product;
        product.storedModelType = c.type;
        const auto band = bytes(c.storedBand);
        std::copy(band.begin(), band.end(), product.storedBand.begin());
        CProgramDoc document;
        startNewDocument(document, product, "", Language::English);
        EXPECT_EQ(bytesAt(document.image(), 0x17B9, 1), c.modelByte);
        EXPECT_EQ(bytesAt(document.image(), 0x17E8, 6), c.bandBytes);
        EXPECT_EQ(hex(product.storedBand), c.bandBytes) << "the erased band is normalised";
    }
}

TEST(NewDocument, TitleAndPath) {
    ProductState product;
    CProgramDoc english;
    startNewDocument(english, product, "Dealer", Language::English);
    EXPECT_EQ(english.title(), "Channel Information");
    EXPECT_EQ(english.path(), "Dealer");
    CProgramDoc chinese;
    startNewDocument(chinese, product, "", Language::Chinese);
    EXPECT_EQ(chinese.title(), "信道信息");
    EXPECT_EQ(chinese.path(), "");
}

}  // namespace
}  // namespace kw
