#pragma once
// Mapping between image offsets and addresses in the radio's 4 KB memory.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace kw {

inline constexpr std::uint16_t kChannelAreaStart = 0x0000;
inline constexpr std::uint16_t kSettingsAreaStart = 0x0C30;
inline constexpr std::uint16_t kRadioMemoryEnd = 0x1000;  // one past the last address

// Offsets in rows 130-194 and bytes 16-23 of the settings rows never reach a radio.
[[nodiscard]] std::optional<std::uint16_t> radioAddressOf(std::size_t imageOffset);
[[nodiscard]] std::optional<std::size_t> imageOffsetOf(std::uint16_t radioAddress);

}  // namespace kw
