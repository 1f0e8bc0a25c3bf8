#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace kw {
namespace {

TEST(GbkCodec, ADoubleByteReadingIsExactlyOneCharacter) {
    struct Case {
        std::string_view gbk;
        std::optional<std::size_t> taken;
        const char* utf8;
    };
    const Case cases[] = {
        {"\xD0\xC5\xB5\xC0", 2, "信"},
        {"\x81\x40", 2, "丂"},
        {"A\xD0", 1, "A"},
        // 80 is a character of its own: 80 5C are two characters, not one.
        {"\x80\x5C", 1, "€"},
        {"\x81\x7F", std::nullopt, ""},
        {"\xFF", std::nullopt, ""},
    };
    GbkCodec codec;
    for (const Case& c : cases) {
        std::string utf8;
        EXPECT_EQ(codec.decodeCharacter(c.gbk, utf8), c.taken);
        EXPECT_EQ(utf8, c.utf8);
    }
    EXPECT_EQ(codec.toUtf8("\x80\x5C\x41").text, "€\\A");
}

}  // namespace
}  // namespace kw
