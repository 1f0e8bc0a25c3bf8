#pragma once
// The radio password: up to six decimal digits in the password bytes, 0xFF after them.
// Bytes put there by something else (a file, a radio) are shown as they stand, so they
// are never silently replaced by a shorter password.

#include <string>
#include <string_view>

#include "model/radio_image.h"

namespace kw {

// The text the Password edit shows: the bytes up to the trailing 0xFF padding, where a
// byte that is not printable ASCII, or a backslash, reads as \xNN.
[[nodiscard]] std::string passwordText(const RadioImage& image);

// Empty (no password) or one to six digits 0-9.
[[nodiscard]] bool isValidPassword(std::string_view text);

// `password` must be valid; the bytes after it become 0xFF.
void writePassword(RadioImage& image, std::string_view password);

}  // namespace kw
