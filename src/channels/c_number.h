#pragma once
// The C library's atof and atoi as the grid's rules use them, always with the "C"
// locale's decimal point whatever locale the desktop program has set.

#include <string_view>

namespace kw {

// Leading white space skipped, the longest numeric prefix read, 0.0 when there is none.
[[nodiscard]] double cAtof(std::string_view text);

// As atoi, but a number beyond the range of long saturates instead of being undefined.
[[nodiscard]] long cAtoi(std::string_view text);

}  // namespace kw
