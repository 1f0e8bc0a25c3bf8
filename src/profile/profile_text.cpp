#include "profile/profile_text.h"

namespace kw {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

constexpr char foldedAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

}  // namespace

bool equalText(std::string_view a, std::string_view b, bool ignoreCase) {
    if (a.size() != b.size()) {
        return false;
    }
    if (!ignoreCase) {
        return a == b;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isLeadByte(static_cast<std::uint8_t>(a[i])) && i + 1 < a.size()) {
            // Both bytes of a double-byte character compare exactly.
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) {
                return false;
            }
            ++i;
        } else if (foldedAscii(a[i]) != foldedAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view stripBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace kw
