#pragma once
// A channel name is up to eight bytes of GBK text in record bytes 16-23, ended by 0xFF
// (or 0x00). Bytes that are no printable character show as \xNN, so that every name a
// radio holds has a text that stores back to the same bytes: "\xNN" in a name's text is
// the byte NN (00 and FF excepted, as they would end the name), "\\" a backslash, and a
// backslash that begins neither is itself.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/image_layout.h"
#include "platform/code_page.h"
#include "res/messages.h"

namespace kw {

using ChannelNameBytes = std::array<std::uint8_t, record::kNameSize>;

[[nodiscard]] std::string channelNameText(std::span<const std::uint8_t, record::kNameSize> bytes,
                                          GbkCodec& codec);

enum class NameProblem { None, TooLong, NotRepresentable };

struct [[nodiscard]] ChannelNameEncoding {
    ChannelNameBytes bytes{};  // 0xFF padded; with a problem, the whole characters before it
    NameProblem problem = NameProblem::None;

    explicit operator bool() const { return problem == NameProblem::None; }
};

// A double-byte character is never split: a name that does not fit is refused whole.
[[nodiscard]] ChannelNameEncoding encodeChannelName(std::string_view text, GbkCodec& codec);

[[nodiscard]] BuiltInText nameProblemText(NameProblem problem);

}  // namespace kw
