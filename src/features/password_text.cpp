#include "features/password_text.h"

#include <algorithm>
#include <cassert>

namespace kw {

std::string passwordText(const RadioImage& image) {
    const auto first = image.begin() + kPassword;
    auto last = first + kPasswordSize;
    while (last != first && *(last - 1) == kEmptyByte) {
        --last;
    }
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string text;
    for (auto byte = first; byte != last; ++byte) {
        if (*byte >= 0x20 && *byte < 0x7F && *byte != '\\') {
            text.push_back(static_cast<char>(*byte));
        } else {
            text += "\\x";
            text.push_back(kHexDigits[*byte >> 4]);
            text.push_back(kHexDigits[*byte & 0x0F]);
        }
    }
    return text;
}

bool isValidPassword(std::string_view text) {
    return text.size() <= kPasswordSize &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void writePassword(RadioImage& image, std::string_view password) {
    assert(isValidPassword(password));
    const auto first = image.begin() + kPassword;
    std::fill_n(first, kPasswordSize, kEmptyByte);
    std::copy(password.begin(), password.end(), first);
}

}  // namespace kw
