#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "features/feature_settings.h"
#include "session/image_differences.h"
#include "session/new_document.h"
#include "support/bytes.h"

namespace kw {
namespace {

using Lines = std::vector<std::string>;

struct Patch {
    std::size_t offset;
    const char* bytes;
};

// A new document with channel 12 and Fr holding 145.12500 / 145.60000, 88.5 / D023N,
// "CH1", High, Wide, Yes, Carrier.
RadioImage baseImage() {
    RadioImage image;
    ProductState product;
    fillNewDocumentImage(image, product);
    const auto record =
        test::bytes("00 25 51 14 00 00 56 14 85 08 23 80 00 BA FF FF 43 48 31 FF FF FF FF FF");
    std::copy(record.begin(), record.end(), image.begin() + 0x108);
    std::copy(record.begin(), record.end(), image.begin() + 0xC00);
    return image;
}

RadioImage patched(const std::vector<Patch>& patches) {
    RadioImage image = baseImage();
    for (const Patch& patch : patches) {
        const auto data = test::bytes(patch.bytes);
        std::copy(data.begin(), data.end(), image.begin() + patch.offset);
    }
    return image;
}

Lines linesOf(const RadioImage& to, Language language) {
    Lines lines;
    for (const ImageDifference& difference : imageDifferences(baseImage(), to, language)) {
        lines.push_back(differenceLine(difference));
    }
    return lines;
}

struct Case {
    std::vector<Patch> patches;
    Lines english;
    Lines chinese;
};

void expectLines(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const RadioImage to = patched(c.patches);
        EXPECT_EQ(linesOf(to, Language::English), c.english) << c.patches[0].offset;
        EXPECT_EQ(linesOf(to, Language::Chinese), c.chinese) << c.patches[0].offset;
    }
}

TEST(ImageDifferences, EachChannelColumnInBothLanguages) {
    expectLines({
        {{{0x108, "00 50 52 14"}},
         {"CH 12 Rx Frequency: 145.12500 -> 145.25000"},
         {"信道 12 接收频率: 145.12500 -> 145.25000"}},
        {{{0x10C, "00 00 50 14"}},
         {"CH 12 Tx Frequency: 145.60000 -> 145.00000"},
         {"信道 12 发射频率: 145.60000 -> 145.00000"}},
        {{{0x110, "FF FF"}},
         {"CH 12 QT/DQT Dec: 88.5 -> None"},
         {"信道 12 QT/DQT解码: 88.5 -> 无"}},
        {{{0x112, "54 C7"}},
         {"CH 12 QT/DQT Enc: D023N -> D754I"},
         {"信道 12 QT/DQT编码: D023N -> D754I"}},
        {{{0x118, "FF FF FF"}},
         {"CH 12 Chnnel Name: CH1 -> (empty)"},
         {"信道 12 信道名字: CH1 -> (空)"}},
        {{{0x115, "9A"}}, {"CH 12 Power: High -> Low"}, {"信道 12 功率: 高 -> 低"}},
        {{{0x115, "AA"}}, {"CH 12 W/N: Wide -> Narrow"}, {"信道 12 宽/窄: 宽 -> 窄"}},
        {{{0x115, "B2"}}, {"CH 12 Scan Add: Yes -> No"}, {"信道 12 扫描添加: 是 -> 否"}},
        {{{0x115, "BC"}},
         {"CH 12 Busy Lock: Carrier -> QT/DQT"},
         {"信道 12 繁忙锁定: 载波 -> QT/DQT"}},
        {{{0xC00, "00 50 52 14"}},
         {"Fr Rx Frequency: 145.12500 -> 145.25000"},
         {"Fr 接收频率: 145.12500 -> 145.25000"}},
        // A deleted channel: every cell of the row empties, the Rx cell first.
        {{{0x10B, "FF"}},
         {"CH 12 Rx Frequency: 145.12500 -> (empty)", "CH 12 QT/DQT Dec: 88.5 -> (empty)",
          "CH 12 QT/DQT Enc: D023N -> (empty)", "CH 12 Chnnel Name: CH1 -> (empty)",
          "CH 12 Power: High -> (empty)", "CH 12 W/N: Wide -> (empty)",
          "CH 12 Scan Add: Yes -> (empty)", "CH 12 Busy Lock: Carrier -> (empty)"},
         {"信道 12 接收频率: 145.12500 -> (空)", "信道 12 QT/DQT解码: 88.5 -> (空)",
          "信道 12 QT/DQT编码: D023N -> (空)", "信道 12 信道名字: CH1 -> (空)",
          "信道 12 功率: 高 -> (空)", "信道 12 宽/窄: 宽 -> (空)", "信道 12 扫描添加: 是 -> (空)",
          "信道 12 繁忙锁定: 载波 -> (空)"}},
    });
}

TEST(ImageDifferences, FeaturesPasswordModelAndBand) {
    expectLines({
        {{{0x1265, "B6"}}, {"Beep: On -> Off"}, {"按键音: 开 -> 关"}},
        // A value without an entry shows its number beside what the dialog shows.
        {{{0x1265, "BF"}},
         {"Short Press Orange Key: Emergency Call -> Emergency Call (3)"},
         {"短按橙色键: 发射报警信号 -> 发射报警信号 (3)"}},
        {{{0x1262, "0C"}}, {"Vox Gain Level: Off -> (12)"}, {"声控灵敏度: 关 -> (12)"}},
        {{{0x12A9, "0C"}}, {"Priority Channel: None -> 12"}, {"优先信道: 无 -> 12"}},
        {{{0x12A8, "7D"}}, {"Keypad Lock: unchecked -> checked"}, {"键盘锁: 未选中 -> 选中"}},
        {{{0x17D2, "31 32 33 FF FF FF"}}, {"Password: changed"}, {"密码: 已更改"}},
        {{{0x17B9, "02"}}, {"Model: KW-217V -> KW-217U"}, {"机型: KW-217V -> KW-217U"}},
        {{{0x17B9, "07"}}, {"Model: KW-217V -> (empty)"}, {"机型: KW-217V -> (空)"}},
        {{{0x17E8, "13 17 64 13 17 64"}},
         {"Band: (empty) -> 136-174 MHz"},
         {"频段: (空) -> 136-174 MHz"}},
    });
}

TEST(ImageDifferences, OtherBytesCountWhatNoLineShows) {
    expectLines({
        // Signal type, signal number and 2-Tone number of channel 12.
        {{{0x114, "01"}, {0x116, "02 03"}}, {"other bytes: 3 differ"}, {"其他字节: 3 个不同"}},
        {{{0xC18, "00"}}, {"other bytes: 1 differ"}, {"其他字节: 1 个不同"}},
        {{{0xE10, "00 00"}}, {"other bytes: 2 differ"}, {"其他字节: 2 个不同"}},
        // The unused bit of the display options byte; the password block's first byte.
        {{{0x1266, "11"}, {0x17D0, "00"}}, {"other bytes: 2 differ"}, {"其他字节: 2 个不同"}},
        // Bytes that read alike: flag bit 0, a deleted channel's name, an erased band.
        {{{0x115, "BB"}}, {"other bytes: 1 differ"}, {"其他字节: 1 个不同"}},
        {{{0x1F0, "41 42"}}, {"other bytes: 2 differ"}, {"其他字节: 2 个不同"}},
        {{{0x17E8, "FF FF FF FF FF FF"}}, {"other bytes: 6 differ"}, {"其他字节: 6 个不同"}},
        {{{0x108, "00 50 52 14"}, {0xE10, "00"}},
         {"CH 12 Rx Frequency: 145.12500 -> 145.25000", "other bytes: 1 differ"},
         {"信道 12 接收频率: 145.12500 -> 145.25000", "其他字节: 1 个不同"}},
    });
}

TEST(ImageDifferences, OrderIsChannelsFeaturesModelBandOtherBytes) {
    const RadioImage to = patched({{0xE10, "00"},
                                   {0x17E8, "40 52 00 40 52 00"},
                                   {0x17B9, "02"},
                                   {0x12A8, "7D"},
                                   {0x1265, "B6"},
                                   {0xC0A, "FF FF"},
                                   {0x112, "54 C7"},
                                   {0x118, "46 FF FF"}});
    const Lines expected{"CH 12 QT/DQT Enc: D023N -> D754I",  "CH 12 Chnnel Name: CH1 -> F",
                         "Fr QT/DQT Enc: D023N -> None",      "Beep: On -> Off",
                         "Keypad Lock: unchecked -> checked", "Model: KW-217V -> KW-217U",
                         "Band: (empty) -> 400-520 MHz",      "other bytes: 1 differ"};
    EXPECT_EQ(linesOf(to, Language::English), expected);
}

TEST(ImageDifferences, EveryFeatureIsOneLineAndChannelsNameTheirCell) {
    const RadioImage base = baseImage();
    for (const FeatureSetting& setting : featureSettings()) {
        RadioImage to = base;
        if (setting.control == FeatureControl::PasswordEdit) {
            to[0x17D2] = '1';
        } else {
            setting.field.write(to, static_cast<std::uint8_t>(setting.field.read(base) ^ 1));
        }
        const auto differences = imageDifferences(base, to, Language::English);
        ASSERT_EQ(differences.size(), 1u) << setting.label.english;
        EXPECT_EQ(differences[0].what, setting.label.english);
        EXPECT_EQ(differences[0].where, "");
        EXPECT_FALSE(differences[0].cell);
    }
    const auto channel = imageDifferences(base, patched({{0xC08, "FF FF"}}), Language::English);
    ASSERT_EQ(channel.size(), 1u);
    EXPECT_EQ(channel[0].cell, (GridCell{kFrRow, kDecodeToneColumn}));
    EXPECT_TRUE(imageDifferences(base, base, Language::Chinese).empty());
}

}  // namespace
}  // namespace kw
