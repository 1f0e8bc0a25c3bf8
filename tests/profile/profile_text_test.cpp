#include "profile/profile_text.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

struct CompareCase {
    std::string_view a;
    std::string_view b;
    bool ignoreCase;
    bool equal;
};

void PrintTo(const CompareCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.a) << " vs " << testing::PrintToString(c.b);
}

class EqualTextTest : public testing::TestWithParam<CompareCase> {};

TEST_P(EqualTextTest, ComparesAsTheProfileDoes) {
    const CompareCase& c = GetParam();
    EXPECT_EQ(equalText(c.a, c.b, c.ignoreCase), c.equal);
    EXPECT_EQ(equalText(c.b, c.a, c.ignoreCase), c.equal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EqualTextTest,
    testing::Values(CompareCase{"Company", "company", true, true},
                    CompareCase{"Company", "company", false, false},
                    CompareCase{"Company", "Company", false, true},
                    CompareCase{"Setup", "Setup ", true, false},
                    CompareCase{"[a]", "[A]", true, true},
                    // "@" and "`" sit beside the letters; they are not case pairs.
                    CompareCase{"@", "`", true, false},
                    // A GBK trail byte that looks like "A" or "a" is part of a character.
                    CompareCase{"\x81\x41", "\x81\x61", true, false},
                    CompareCase{"\xB0\xA1Name", "\xB0\xA1name", true, true},
                    CompareCase{"x\xB0\x41y", "X\xB0\x41Y", true, true},
                    CompareCase{"x\xB0\x41", "x\xB0\x61", true, false},
                    // A lead byte at the very end has no trail byte to protect.
                    CompareCase{"A\x81", "a\x81", true, true}));

TEST(StripBlanksTest, RemovesEveryKindOfBlankAtBothEnds) {
    EXPECT_EQ(stripBlanks(" \t\r\n\v\fkey = value\f\v\n\r\t "), "key = value");
    EXPECT_EQ(stripBlanks(" \t "), "");
    EXPECT_EQ(stripBlanks(""), "");
}

}  // namespace
}  // namespace kw
