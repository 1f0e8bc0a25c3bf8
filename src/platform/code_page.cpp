#include "platform/code_page.h"

#include <iconv.h>

#include <cstdint>

namespace kw {
namespace {

constexpr const char* kCodePage = "CP936";
const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

iconv_t descriptorOf(void* handle) {
    return static_cast<iconv_t>(handle);
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::size_t utf8SequenceLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte)) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    constexpr std::uint32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < kShortest[length] || codePoint > 0x10FFFF || surrogate) {
        return 0;
    }
    return length;
}

GbkCodec::GbkCodec()
    : toUtf8_(iconv_open("UTF-8", kCodePage)), toGbk_(iconv_open(kCodePage, "UTF-8")) {}

GbkCodec::~GbkCodec() {
    for (void* handle : {toUtf8_, toGbk_}) {
        if (descriptorOf(handle) != kNoDescriptor) {
            iconv_close(descriptorOf(handle));
        }
    }
}

std::optional<std::string> GbkCodec::convert(void* handle, std::string_view input) {
    const iconv_t descriptor = descriptorOf(handle);
    if (descriptor == kNoDescriptor) {
        return std::nullopt;
    }
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    std::string output(input.size() * 4 + 4, '\0');
    std::string source(input);
    char* in = source.data();
    std::size_t inLeft = source.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (iconv(descriptor, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0) {
        return std::nullopt;
    }
    output.resize(output.size() - outLeft);
    return output;
}

std::optional<std::size_t> GbkCodec::decodeCharacter(std::string_view gbk, std::string& utf8) {
    if (gbk.empty()) {
        return std::nullopt;
    }
    if (static_cast<unsigned char>(gbk[0]) < 0x80) {
        utf8 += gbk[0];
        return 1;
    }
    for (std::size_t length : {std::size_t{2}, std::size_t{1}}) {
        if (gbk.size() < length) {
            continue;
        }
        const std::string_view bytes = gbk.substr(0, length);
        const auto text = convert(toUtf8_, bytes);
        // Only one character that maps back to the same bytes may stand for them: 80 5C
        // converts as the two characters of 80 and 5C, not as one double-byte character.
        if (text && !text->empty() && utf8SequenceLength(*text) == text->size() &&
            convert(toGbk_, *text) == std::string(bytes)) {
            utf8 += *text;
            return length;
        }
    }
    return std::nullopt;
}

CodePageProblem GbkCodec::encodeCharacter(std::string_view utf8, std::string& gbk,
                                          std::size_t& taken) {
    const std::size_t length = utf8SequenceLength(utf8);
    if (length == 0) {
        return CodePageProblem::NotUtf8;
    }
    if (length == 1) {
        gbk += utf8[0];
        taken = 1;
        return CodePageProblem::None;
    }
    const auto bytes = convert(toGbk_, utf8.substr(0, length));
    if (!bytes || bytes->empty()) {
        return CodePageProblem::NotRepresentable;
    }
    gbk += *bytes;
    taken = length;
    return CodePageProblem::None;
}

CodePageResult GbkCodec::toUtf8(std::string_view gbk) {
    CodePageResult result;
    for (std::size_t offset = 0; offset < gbk.size();) {
        const auto taken = decodeCharacter(gbk.substr(offset), result.text);
        if (!taken) {
            result.problem = CodePageProblem::NotDecodable;
            result.problemOffset = offset;
            return result;
        }
        offset += *taken;
    }
    return result;
}

CodePageResult GbkCodec::toGbk(std::string_view utf8) {
    CodePageResult result;
    for (std::size_t offset = 0; offset < utf8.size();) {
        std::size_t taken = 0;
        const CodePageProblem problem = encodeCharacter(utf8.substr(offset), result.text, taken);
        if (problem != CodePageProblem::None) {
            result.problem = problem;
            result.problemOffset = offset;
            return result;
        }
        offset += taken;
    }
    return result;
}

CodePageResult gbkToUtf8(std::string_view gbk) {
    GbkCodec codec;
    return codec.toUtf8(gbk);
}

CodePageResult utf8ToGbk(std::string_view utf8) {
    GbkCodec codec;
    return codec.toGbk(utf8);
}

}  // namespace kw
