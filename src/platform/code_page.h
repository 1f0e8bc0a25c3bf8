#pragma once
// Text in the radio's and Program.ini's code page 936 (GBK) and its UTF-8 form. ASCII is
// the same in both.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kw {

enum class CodePageProblem {
    None,
    NotDecodable,      // GBK bytes that name no character
    NotUtf8,           // bytes that are not UTF-8
    NotRepresentable,  // a character GBK has no bytes for
};

struct [[nodiscard]] CodePageResult {
    std::string text;  // the converted text, up to the problem when there is one
    CodePageProblem problem = CodePageProblem::None;
    std::size_t problemOffset = 0;  // in the input

    explicit operator bool() const { return problem == CodePageProblem::None; }
};

// Keeps the converters open for many conversions (a grid refill converts 129 names).
class GbkCodec {
  public:
    GbkCodec();
    ~GbkCodec();
    GbkCodec(const GbkCodec&) = delete;
    GbkCodec& operator=(const GbkCodec&) = delete;

    // The character at the start of `gbk`, one or two bytes, appended to `utf8`; returns
    // the bytes it took, or nothing when they name no character that maps back to them.
    std::optional<std::size_t> decodeCharacter(std::string_view gbk, std::string& utf8);
    // The UTF-8 character at the start of `utf8` appended to `gbk` as its GBK bytes;
    // returns the UTF-8 bytes it took, or the problem.
    CodePageProblem encodeCharacter(std::string_view utf8, std::string& gbk, std::size_t& taken);

    CodePageResult toUtf8(std::string_view gbk);
    CodePageResult toGbk(std::string_view utf8);

  private:
    std::optional<std::string> convert(void* descriptor, std::string_view input);

    void* toUtf8_;
    void* toGbk_;
};

[[nodiscard]] CodePageResult gbkToUtf8(std::string_view gbk);
[[nodiscard]] CodePageResult utf8ToGbk(std::string_view utf8);

// Bytes of the UTF-8 sequence starting `text`, or 0 when it is not a valid sequence.
[[nodiscard]] std::size_t utf8SequenceLength(std::string_view text);

}  // namespace kw
