#pragma once

#include <string_view>

namespace kw {

// The process-wide language flag: fixed at start-up, true (Chinese) or false (English).
enum class Language { English, Chinese };

// Picks the text of the active language; both texts are UTF-8.
constexpr std::string_view pick(Language language, std::string_view english,
                                std::string_view chinese) {
    return language == Language::Chinese ? chinese : english;
}

}  // namespace kw
