#pragma once
// What a profile file can hold so that reading it back gives exactly what was written:
// a key or value that its own file would read differently is refused before it is set.

#include <optional>
#include <string>
#include <string_view>

namespace kw {

// Why `key` = `value` would read back different, as a clause ("the key \"k=1\" holds
// \"=\""); nothing when it reads back as given. Line breaks are refused by the set itself.
[[nodiscard]] std::optional<std::string> unreadableEntryReason(std::string_view key,
                                                               std::string_view value);

}  // namespace kw
