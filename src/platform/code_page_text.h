#pragma once
// Program.ini texts are byte strings. Files written by this program are UTF-8; files
// written in GBK (code page 936) carry their Chinese values in that code page. A value
// that is valid UTF-8 is taken as it is, anything else is read as GBK.

#include <string>
#include <string_view>

namespace kw {

[[nodiscard]] bool isValidUtf8(std::string_view bytes);

// Bytes that are neither UTF-8 nor GBK become U+FFFD, so a damaged value still shows.
[[nodiscard]] std::string profileTextToUtf8(std::string_view bytes);

}  // namespace kw
