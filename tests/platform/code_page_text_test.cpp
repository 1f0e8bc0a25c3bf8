#include "platform/code_page_text.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

struct TextCase {
    std::string bytes;
    bool utf8;
    std::string shown;
};

class ProfileText : public testing::TestWithParam<TextCase> {};

TEST_P(ProfileText, IsTakenAsUtf8OrElseAsGbk) {
    EXPECT_EQ(isValidUtf8(GetParam().bytes), GetParam().utf8);
    EXPECT_EQ(profileTextToUtf8(GetParam().bytes), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileText,
                         testing::Values(TextCase{"KW Radio", true, "KW Radio"},
                                         TextCase{"", true, ""},
                                         TextCase{"KW 通信", true, "KW 通信"},
                                         // "中文" in GBK, as a Program.ini written in GBK holds it.
                                         TextCase{"\xD6\xD0\xCE\xC4", false, "中文"},
                                         TextCase{"KW \xCD\xA8\xD0\xC5", false, "KW 通信"},
                                         // Neither UTF-8 nor GBK.
                                         TextCase{"a\xFF", false, "a\xEF\xBF\xBD"},
                                         // A lead byte cut off at the end of the value still shows.
                                         TextCase{"ab\xD6", false, "ab\xEF\xBF\xBD"}));

TEST(ProfileText, SurrogatesAndValuesBeyondUnicodeAreNotUtf8) {
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));  // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));
}

}  // namespace
}  // namespace kw
