#pragma once
// Text rules of profile files. Texts are byte strings in the ANSI code page, so Chinese
// names and values are GBK: a byte 0x81-0xFE starts a double-byte character whose
// second byte may look like an ASCII letter and must never be folded.

#include <cstdint>
#include <string_view>

namespace kw {

[[nodiscard]] constexpr bool isLeadByte(std::uint8_t byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// A key beginning with one of these makes its line a comment.
inline constexpr std::string_view kProfileCommentStarts = ";/\\*";
// A value ends at the first of these; what follows is a comment.
inline constexpr std::string_view kProfileValueCuts[] = {"//", "\t;", "/*"};

// Equal texts; with `ignoreCase` ASCII letters outside double-byte characters compare
// without regard to case.
[[nodiscard]] bool equalText(std::string_view a, std::string_view b, bool ignoreCase);

// Without leading and trailing blank, tab, CR, LF, vertical tab and form feed.
[[nodiscard]] std::string_view stripBlanks(std::string_view text);

}  // namespace kw
