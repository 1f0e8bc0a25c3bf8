#pragma once
// Text as people type it in scripts and files: blanks around it and the letter case of
// ASCII letters do not count.

#include <algorithm>
#include <string_view>

namespace kw {

[[nodiscard]] constexpr std::string_view withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

[[nodiscard]] constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Equal once blanks around both and ASCII letter case are set aside.
[[nodiscard]] constexpr bool sameTypedWord(std::string_view a, std::string_view b) {
    a = withoutBlanks(a);
    b = withoutBlanks(b);
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

// Digits with at most one decimal point, as a number in a file is written.
[[nodiscard]] constexpr bool isPlainDecimal(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789.") == std::string_view::npos &&
           std::count(text.begin(), text.end(), '.') <= 1;
}

}  // namespace kw
