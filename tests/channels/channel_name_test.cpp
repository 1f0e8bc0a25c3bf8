#include <gtest/gtest.h>

#include <random>

#include "channels/channel_name.h"
#include "support/bytes.h"

namespace kw {
namespace {

ChannelNameBytes nameBytes(std::string_view hexText) {
    ChannelNameBytes bytes;
    bytes.fill(0xFF);
    const std::vector<std::uint8_t> parsed = test::bytes(hexText);
    std::copy(parsed.begin(), parsed.end(), bytes.begin());
    return bytes;
}

TEST(ChannelNameText, AsciiAndGbkAsTextOtherBytesEscaped) {
    struct Case {
        const char* bytes;
        const char* text;
    };
    const Case cases[] = {
        {"43 48 31", "CH1"},
        {"41 42 43 44 45 46 47 48", "ABCDEFGH"},
        {"D0 C5 B5 C0 31 32 33 34", "信道1234"},
        {"41 00 42", "A"},
        {"", ""},
        {"01 41 7F", "\\x01A\\x7F"},
        {"41 42 43 44 45 46 47 B0", "ABCDEFG\\xB0"},  // a lead byte without its trail
        {"81 7F", "\\x81\\x7F"},
        {"61 5C 62", "a\\b"},
        // A backslash that would begin an escape with what follows is doubled.
        {"5C 78 34 31", "\\\\x41"},
        {"5C 5C", "\\\\\\"},
        {"5C 5C 78 34 31", "\\\\\\\\x41"},
        {"5C 01", "\\\\\\x01"},
        {"5C 78 34", "\\x4"},
    };
    GbkCodec codec;
    for (const Case& c : cases) {
        EXPECT_EQ(channelNameText(nameBytes(c.bytes), codec), c.text) << c.bytes;
    }
}

TEST(ChannelNameEncoding, TypedTextToGbkWithinEightBytesNeverSplittingACharacter) {
    struct Case {
        const char* text;
        NameProblem problem;
        const char* bytes;
    };
    const Case cases[] = {
        {"ABC", NameProblem::None, "41 42 43 FF FF FF FF FF"},
        {"", NameProblem::None, "FF FF FF FF FF FF FF FF"},
        {"信道名字", NameProblem::None, "D0 C5 B5 C0 C3 FB D7 D6"},
        {"\\x41\\xb0", NameProblem::None, "41 B0 FF FF FF FF FF FF"},
        {"a\\b", NameProblem::None, "61 5C 62 FF FF FF FF FF"},
        {"\\\\x41", NameProblem::None, "5C 78 34 31 FF FF FF FF"},
        {"\\x00\\xFF", NameProblem::None, "5C 78 30 30 5C 78 46 46"},  // would end the name
        {"ABCDEFGHI", NameProblem::TooLong, "41 42 43 44 45 46 47 48"},
        {"ABCDEFG信", NameProblem::TooLong, "41 42 43 44 45 46 47 FF"},
        {"A😀", NameProblem::NotRepresentable, "41 FF FF FF FF FF FF FF"},
        {"A\xC3", NameProblem::NotRepresentable, "41 FF FF FF FF FF FF FF"},
    };
    GbkCodec codec;
    for (const Case& c : cases) {
        const ChannelNameEncoding encoding = encodeChannelName(c.text, codec);
        EXPECT_EQ(encoding.problem, c.problem) << c.text;
        EXPECT_EQ(test::hex(encoding.bytes), c.bytes) << c.text;
    }
    EXPECT_EQ(nameProblemText(NameProblem::TooLong), BuiltInText::ChannelNameTooLong);
    EXPECT_EQ(nameProblemText(NameProblem::NotRepresentable),
              BuiltInText::ChannelNameNotRepresentable);
}

// Whatever a radio holds, the name's text stores back as the same bytes.
TEST(ChannelNameEncoding, EveryStoredNameRoundTripsThroughItsText) {
    const std::uint8_t pool[] = {'A',  'x',  '4',  '1',  'F',  '\\', 0x01, 0x7F, 0x80,
                                 0x81, 0x40, 0xA1, 0xB0, 0xD0, 0xC5, 0xFE, 0x5C, 0x78};
    std::mt19937 random(8);
    GbkCodec codec;
    for (int i = 0; i < 20'000; ++i) {
        ChannelNameBytes bytes;
        bytes.fill(0xFF);
        const auto length = std::uniform_int_distribution<std::size_t>(0, 8)(random);
        for (std::size_t b = 0; b < length; ++b) {
            bytes[b] = pool[std::uniform_int_distribution<std::size_t>(0, sizeof pool - 1)(random)];
        }
        const std::string text = channelNameText(bytes, codec);
        const ChannelNameEncoding encoding = encodeChannelName(text, codec);
        ASSERT_TRUE(encoding) << test::hex(bytes) << " as " << text;
        ASSERT_EQ(encoding.bytes, bytes) << test::hex(bytes) << " as " << text;
    }
}

}  // namespace
}  // namespace kw
