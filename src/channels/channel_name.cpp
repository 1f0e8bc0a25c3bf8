#include "channels/channel_name.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace kw {
namespace {

constexpr char kBackslash = '\\';
constexpr std::string_view kEscapedBackslash = "\\\\";
constexpr std::size_t kEscapeLength = 4;  // \xNN

bool isNameEnd(std::uint8_t byte) {
    return byte == 0xFF || byte == 0x00;
}

bool isPrintableAscii(std::uint8_t byte) {
    return byte >= 0x20 && byte < 0x7F;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Any \xHH, even \x00 or \xFF which do not count as escapes, so that the text after a
// plain backslash never reads as one.
bool startsLikeEscape(std::string_view text) {
    return text.size() >= kEscapeLength && text[0] == kBackslash && text[1] == 'x' &&
           hexDigit(text[2]) >= 0 && hexDigit(text[3]) >= 0;
}

// A backslash byte is shown doubled when a lone one would begin an escape with the text
// after it: before "x41" it would read as the byte 41, before another backslash as one.
bool needsDoubling(std::string_view after) {
    return after.starts_with(kBackslash) || startsLikeEscape(std::string(1, kBackslash) += after);
}

std::optional<std::uint8_t> escapedByte(std::string_view text) {
    if (!startsLikeEscape(text)) {
        return std::nullopt;
    }
    const auto byte = static_cast<std::uint8_t>(hexDigit(text[2]) * 16 + hexDigit(text[3]));
    return isNameEnd(byte) ? std::nullopt : std::optional(byte);
}

std::string escaped(std::uint8_t byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02X", byte);
    return buffer;
}

}  // namespace

std::string channelNameText(std::span<const std::uint8_t, record::kNameSize> bytes,
                            GbkCodec& codec) {
    const auto end = std::find_if(bytes.begin(), bytes.end(), isNameEnd);
    const std::string raw(bytes.begin(), end);
    // Pieces first: whether a backslash byte needs doubling depends on the text after it.
    std::vector<std::string> pieces;
    for (std::size_t offset = 0; offset < raw.size();) {
        const auto byte = static_cast<std::uint8_t>(raw[offset]);
        std::string piece;
        std::optional<std::size_t> taken;
        if (byte >= 0x80) {
            taken = codec.decodeCharacter(std::string_view(raw).substr(offset), piece);
        } else if (isPrintableAscii(byte)) {
            piece = static_cast<char>(byte);
            taken = 1;
        }
        if (!taken) {
            piece = escaped(byte);
            taken = 1;
        }
        pieces.push_back(std::move(piece));
        offset += *taken;
    }
    std::string text;
    for (std::size_t i = pieces.size(); i-- > 0;) {
        if (pieces[i].size() == 1 && pieces[i][0] == kBackslash && needsDoubling(text)) {
            text.insert(0, kEscapedBackslash);
        } else {
            text.insert(0, pieces[i]);
        }
    }
    return text;
}

ChannelNameEncoding encodeChannelName(std::string_view text, GbkCodec& codec) {
    ChannelNameEncoding encoding;
    encoding.bytes.fill(kEmptyByte);
    std::size_t used = 0;
    std::string character;
    for (std::size_t offset = 0; offset < text.size();) {
        character.clear();
        std::size_t taken = 0;
        const std::string_view rest = text.substr(offset);
        if (const auto byte = escapedByte(rest)) {
            character = static_cast<char>(*byte);
            taken = kEscapeLength;
        } else if (rest.starts_with(kEscapedBackslash)) {
            character = kBackslash;
            taken = kEscapedBackslash.size();
        } else if (rest[0] == '\0' ||
                   codec.encodeCharacter(rest, character, taken) != CodePageProblem::None) {
            encoding.problem = NameProblem::NotRepresentable;
            return encoding;
        }
        if (used + character.size() > encoding.bytes.size()) {
            encoding.problem = NameProblem::TooLong;
            return encoding;
        }
        for (const char c : character) {
            encoding.bytes[used++] = static_cast<std::uint8_t>(c);
        }
        offset += taken;
    }
    return encoding;
}

BuiltInText nameProblemText(NameProblem problem) {
    return problem == NameProblem::TooLong ? BuiltInText::ChannelNameTooLong
                                           : BuiltInText::ChannelNameNotRepresentable;
}

}  // namespace kw
