#include "platform/code_page_text.h"

#include "platform/code_page.h"

namespace kw {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = utf8SequenceLength(bytes.substr(i));
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string profileTextToUtf8(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    GbkCodec codec;
    std::string text;
    for (std::size_t i = 0; i < bytes.size();) {
        if (const auto taken = codec.decodeCharacter(bytes.substr(i), text)) {
            i += *taken;
        } else {
            // A byte that names no character is marked and skipped alone.
            text += kReplacement;
            ++i;
        }
    }
    return text;
}

}  // namespace kw
