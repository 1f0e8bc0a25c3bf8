#include <gtest/gtest.h>

#include <random>

#include "channels/channel_grid.h"
#include "channels/frequency_codec.h"
#include "session/new_document.h"
#include "support/bytes.h"

namespace kw {
namespace {

constexpr std::size_t kRecordSize = 24;

RadioImage newDocumentImage() {
    RadioImage image;
    ProductState product;
    fillNewDocumentImage(image, product);
    return image;
}

// Record `record` from a hex text of up to 24 bytes; the rest of the record is kept.
void putRecord(RadioImage& image, int record, std::string_view hexText) {
    const std::vector<std::uint8_t> bytes = test::bytes(hexText);
    std::copy(bytes.begin(), bytes.end(), image.begin() + record * kRecordSize);
}

std::string recordHex(const RadioImage& image, int record) {
    return test::hex(std::span(image).subspan(record * kRecordSize, kRecordSize));
}

std::vector<std::string> rowTexts(const ChannelGrid& grid, int row) {
    std::vector<std::string> texts;
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        texts.push_back(grid.text(row, column));
    }
    return texts;
}

using Row = std::vector<std::string>;
const Row kEmptyRow(9);

TEST(ChannelGridTitles, BothLanguagesAndRowTitles) {
    const ChannelGrid english(Language::English);
    const ChannelGrid chinese(Language::Chinese);
    const Row englishTitles{"Rx Frequency", "Tx Frequency", "QT/DQT Dec",
                            "QT/DQT Enc",   "Chnnel Name",  "Power",
                            " W/N ",        "Scan Add",     "Busy Lock"};
    const Row chineseTitles{"接收频率", "发射频率", "QT/DQT解码", "QT/DQT编码", "信道名字",
                            "功率",     "宽/窄",    "扫描添加",   "繁忙锁定"};
    EXPECT_EQ(english.text(0, 0), "CH");
    EXPECT_EQ(chinese.text(0, 0), "信道");
    EXPECT_EQ(rowTexts(english, kTitleRow), englishTitles);
    EXPECT_EQ(rowTexts(chinese, kTitleRow), chineseTitles);
    EXPECT_EQ(english.text(1, 0), "1");
    EXPECT_EQ(english.text(128, 0), "128");
    EXPECT_EQ(english.text(129, 0), "Fr");
    EXPECT_EQ(english.current(), (GridCell{1, kNameColumn}));
}

TEST(ChannelGridRefill, NewDocumentShowsOnlyEmptyRows) {
    ChannelGrid grid(Language::English);
    ProductState product;
    grid.refill(newDocumentImage(), product);
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        EXPECT_EQ(rowTexts(grid, row), kEmptyRow) << row;
    }
}

TEST(ChannelGridRefill, RecordsShowInTheGridsLanguage) {
    struct Case {
        const char* record;
        Row english;
        Row chinese;
    };
    const Case cases[] = {
        {"00 25 51 14 00 00 56 14 85 08 23 80 00 BA FF FF 43 48 31 FF FF FF FF FF",
         {"145.12500", "145.60000", "88.5", "D023N", "CH1", "High", "Wide", "Yes", "Carrier"},
         {"145.12500", "145.60000", "88.5", "D023N", "CH1", "高", "宽", "是", "载波"}},
        {"25 06 30 43 25 06 30 43 FF FF 54 C7 02 45 03 04 D0 C5 B5 C0 31 32 33 34",
         {"433.00625", "433.00625", "None", "D754I", "信道1234", "Low", "Narrow", "No", "QT/DQT"},
         {"433.00625", "433.00625", "无", "D754I", "信道1234", "低", "窄", "否", "QT/DQT"}},
        // Busy lock 11 shows as QT/DQT; a 00 byte ends the name.
        {"00 00 50 14 00 00 50 14 34 12 00 00 00 06 FF FF 41 00 42 FF FF FF FF FF",
         {"145.00000", "145.00000", "123.4", "None", "A", "Low", "Narrow", "No", "QT/DQT"},
         {"145.00000", "145.00000", "123.4", "无", "A", "低", "窄", "否", "QT/DQT"}},
        // Rx or Tx absent: the rest of the row is empty.
        {"00 25 51 14 00 00 56 FF 85 08 23 80 00 BA FF FF 43 48 31 FF FF FF FF FF",
         {"145.12500", "", "", "", "", "", "", "", ""},
         {"145.12500", "", "", "", "", "", "", "", ""}},
        {"00 25 51 00 00 00 56 14 85 08 23 80 00 BA FF FF 43 48 31 FF FF FF FF FF",
         {"", "145.60000", "", "", "", "", "", "", ""},
         {"", "145.60000", "", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        RadioImage image = newDocumentImage();
        putRecord(image, 0, c.record);
        putRecord(image, kFrRecord, c.record);
        for (const Language language : {Language::English, Language::Chinese}) {
            ChannelGrid grid(language);
            ProductState product;
            grid.refill(image, product);
            const Row& expected = language == Language::English ? c.english : c.chinese;
            EXPECT_EQ(rowTexts(grid, 1), expected) << c.record;
            EXPECT_EQ(rowTexts(grid, kFrRow), expected) << c.record;
            EXPECT_EQ(rowTexts(grid, 2), kEmptyRow);
        }
    }
}

TEST(ChannelGridRefill, ProductStateFollowsTheImage) {
    struct Case {
        const char* band;
        std::uint8_t modelType;
        const char* storedBand;
        std::uint8_t storedModelType;
        std::int32_t lower;
        std::int32_t upper;
    };
    const Case cases[] = {
        {"13 17 64 13 17 64", 1, "13 17 64 13 17 64", 1, 13'600'000, 17'400'000},
        {"40 52 00 40 52 00", 2, "40 52 00 40 52 00", 2, 40'000'000, 52'000'000},
        {"FF FF FF FF FF FF", 7, "00 00 00 00 00 00", 0, 0, 0},
    };
    for (const Case& c : cases) {
        RadioImage image = newDocumentImage();
        const std::vector<std::uint8_t> band = test::bytes(c.band);
        std::copy(band.begin(), band.end(), image.begin() + 0x17E8);
        image[0x17B9] = c.modelType;
        ChannelGrid grid(Language::English);
        ProductState product;
        grid.refill(image, product);
        EXPECT_EQ(test::hex(product.storedBand), c.storedBand);
        EXPECT_EQ(product.storedModelType, c.storedModelType);
        EXPECT_EQ(product.bandLowerLimit, c.lower);
        EXPECT_EQ(product.bandUpperLimit, c.upper);
    }
}

TEST(ChannelGridCommit, WritesTheProductBlockAndBandBytesFromTheProductState) {
    ProductState uhf;
    uhf.storedModelType = 2;
    uhf.bandLowerLimit = 40'000'000;
    uhf.bandUpperLimit = 52'000'000;
    RadioImage image = newDocumentImage();
    ChannelGrid(Language::English).commit(image, uhf);
    EXPECT_EQ(test::hex(std::span(image).subspan(0x17B8, 16)),
              "00 02 00 00 90 01 08 02 90 01 08 02 00 00 00 00");
    EXPECT_EQ(test::hex(std::span(image).subspan(0x17E8, 6)), "40 52 00 40 52 00");
}

TEST(ChannelGridCommit, RowsBecomeRecords) {
    struct Case {
        Row cells;
        const char* before;
        const char* after;
    };
    const char* const kFull =
        "11 11 11 11 22 22 22 22 33 33 44 44 5A FF 6B 7C "
        "41 41 41 41 41 41 41 41";
    const Case cases[] = {
        // Empty row from an erased record: busy lock 10 and bit 0 kept.
        {kEmptyRow, "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
         "FF FF FF FF FF FF FF FF FF FF FF FF FF 05 FF FF FF FF FF FF FF FF FF FF"},
        {kEmptyRow, kFull,
         "FF FF FF FF FF FF FF FF FF FF FF FF 5A 05 6B 7C FF FF FF FF FF FF FF FF"},
        {{"145.10000", "145.60000", "88.5", "D023N", "CH1", "High", "Wide", "Yes", "Off"},
         kFull,
         "00 00 51 14 00 00 56 14 85 08 23 80 5A B9 6B 7C 43 48 31 FF FF FF FF FF"},
        {{"145.00000", "144.40000", "无", "D754I", "信道名字", "高", "宽", "是", "载波"},
         kFull,
         "00 00 50 14 00 00 44 14 FF FF 54 C7 5A 7B 6B 7C D0 C5 B5 C0 C3 FB D7 D6"},
        {{"145.00000", "145.00000", "None", "None", "", "Low", "Narrow", "No", "QT/DQT"},
         kFull,
         "00 00 50 14 00 00 50 14 FF FF FF FF 5A 05 6B 7C FF FF FF FF FF FF FF FF"},
        // Words are exact and case-sensitive: anything else is the "clear" or QT/DQT state.
        {{"145.00000", "145.00000", "None", "None", "", "high", "wide", "yes", "off"},
         "FF FF FF FF FF FF FF FF FF FF FF FF FF 00 FF FF FF FF FF FF FF FF FF FF",
         "00 00 50 14 00 00 50 14 FF FF FF FF FF 04 FF FF FF FF FF FF FF FF FF FF"},
    };
    for (const Case& c : cases) {
        ChannelGrid grid(Language::English);
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            grid.setText({1, column}, c.cells[static_cast<std::size_t>(column - 1)]);
        }
        RadioImage image = newDocumentImage();
        putRecord(image, 0, c.before);
        grid.commit(image, ProductState{});
        EXPECT_EQ(recordHex(image, 0), c.after) << c.cells[0] << ' ' << c.cells[5];
    }
}

// The flag byte's grid bits as a refill shows them and a commit rebuilds them.
TEST(ChannelGridRoundTrip, FlagBitsSurviveExceptBusyLockElevenAndWrongOffsets) {
    struct Case {
        const char* frequencies;
        std::uint8_t before;
        std::uint8_t after;
    };
    const Case cases[] = {
        {"00 00 45 14 00 00 45 14", 0x3F, 0x3D},  // busy lock 11 -> 10
        {"00 00 45 14 00 00 45 14", 0x3B, 0x3B},
        {"00 00 45 14 00 00 45 14", 0xC1, 0x01},  // simplex: no offset bit
        {"00 00 45 14 00 00 46 14", 0x40, 0x80},  // Tx above Rx
        {"00 00 45 14 00 00 44 14", 0x80, 0x40},  // Tx below Rx
        {"00 00 45 14 00 00 44 14", 0x42, 0x42},
    };
    for (const Case& c : cases) {
        RadioImage image = newDocumentImage();
        putRecord(image, 0, c.frequencies);
        image[13] = c.before;
        ChannelGrid grid(Language::Chinese);
        ProductState product;
        grid.refill(image, product);
        grid.commit(image, product);
        EXPECT_EQ(image[13], c.after) << std::hex << int(c.before);
    }
}

// A radio's records as a refill shows them and a commit stores them again: frequencies,
// listed and unlisted tones, names with bytes that are no character and with literal
// backslashes, the carried bytes and every other row. Only the product block and the
// band bytes are rebuilt.
TEST(ChannelGridRoundTrip, ImageRefillCommitChangesOnlyTheRebuiltBytes) {
    std::mt19937 random(4);
    const auto pick = [&](int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random);
    };
    const auto bcd = [&](int lowest, int highest) {
        const int pair = pick(lowest, highest);
        return static_cast<std::uint8_t>((pair / 10) * 16 + pair % 10);
    };
    const std::uint8_t nameBytes[] = {'A',  'z',  '0',  '\\', 'x',  '4',  '1',  ' ',  0x01, 0x7F,
                                      0x80, 0x81, 0x40, 0xB0, 0xA1, 0xD0, 0xC5, 0xFE, 0x5C, 0x78};
    for (int pass = 0; pass < 20; ++pass) {
        RadioImage image;
        for (std::uint8_t& byte : image) {
            byte = static_cast<std::uint8_t>(pick(0, 255));
        }
        for (int record = 0; record < kEditedRecordCount; ++record) {
            std::uint8_t* r = image.data() + record * kRecordSize;
            for (const int field : {0, 4}) {
                r[field] = bcd(0, 99), r[field + 1] = bcd(0, 99), r[field + 2] = bcd(0, 99);
                r[field + 3] = bcd(1, 99);
            }
            for (const int tone : {8, 10}) {
                switch (pick(0, 3)) {
                    case 0:
                        r[tone] = r[tone + 1] = 0xFF;
                        break;
                    case 1:
                        r[tone] = bcd(0, 99), r[tone + 1] = bcd(1, 79);
                        break;
                    default:
                        r[tone] = bcd(0, 99);
                        r[tone + 1] = static_cast<std::uint8_t>(pick(0x80, 0xFE));
                }
            }
            const double rx = decodeFrequency(std::span<const std::uint8_t, 4>(r, 4)).value();
            const double tx = decodeFrequency(std::span<const std::uint8_t, 4>(r + 4, 4)).value();
            const std::uint8_t busyLock = static_cast<std::uint8_t>(pick(0, 2) << 1);
            r[13] = static_cast<std::uint8_t>((r[13] & 0x39) | busyLock |
                                              (tx > rx   ? 0x80
                                               : tx < rx ? 0x40
                                                         : 0));
            const int nameLength = pick(0, 8);
            for (int i = 0; i < 8; ++i) {
                r[16 + i] = i < nameLength ? nameBytes[pick(0, sizeof nameBytes - 1)] : 0xFF;
            }
        }
        const RadioImage before = image;
        ChannelGrid grid(pass % 2 ? Language::Chinese : Language::English);
        ProductState product;
        grid.refill(image, product);
        grid.commit(image, product);
        for (std::size_t offset = 0; offset < image.size(); ++offset) {
            const bool rebuilt =
                (offset >= 0x17B8 && offset < 0x17C8) || (offset >= 0x17E8 && offset < 0x17EE);
            if (!rebuilt) {
                ASSERT_EQ(image[offset], before[offset])
                    << "offset " << offset << ", record " << recordHex(before, offset / 24);
            }
        }
    }
}

}  // namespace
}  // namespace kw
