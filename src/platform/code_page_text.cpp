#include "platform/code_page_text.h"

#include <iconv.h>

#include <cerrno>

namespace kw {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the UTF-8 sequence that starts with `lead`, 0 when `lead` cannot start one.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

class Converter {
  public:
    Converter() : handle_(iconv_open("UTF-8", "GBK")) {}
    ~Converter() {
        if (valid()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    std::string convert(std::string_view bytes) {
        std::string result;
        char buffer[256];
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t done = iconv(handle_, &in, &inLeft, &out, &outLeft);
            result.append(buffer, static_cast<std::size_t>(out - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
                // An invalid or cut-off sequence: mark it and go on after its first byte.
                result += kReplacement;
                ++in;
                --inLeft;
            }
        }
        return result;
    }

  private:
    iconv_t handle_;
};

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = sequenceLength(lead);
        if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size()) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
        }
        const auto second = length > 1 ? static_cast<unsigned char>(bytes[i + 1]) : 0x80;
        // Overlong three- and four-byte forms, surrogates and values above U+10FFFF.
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
            return false;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

std::string profileTextToUtf8(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    Converter converter;
    if (!converter.valid()) {
        std::string result;
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) < 0x80) {
                result += c;
            } else {
                result += kReplacement;
            }
        }
        return result;
    }
    return converter.convert(bytes);
}

}  // namespace kw
