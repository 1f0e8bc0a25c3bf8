#pragma once
// Record byte 13, the channel flag byte: bits 7-6 offset direction (frequency_codec.h),
// 5 high power, 4 wide, 3 scan add, 2-1 busy lock, 0 carried but not edited.

#include <cstdint>

namespace kw::channel_flag {

inline constexpr std::uint8_t kOffsetDirection = 0xC0;
inline constexpr std::uint8_t kHighPower = 0x20;
inline constexpr std::uint8_t kWide = 0x10;
inline constexpr std::uint8_t kScanAdd = 0x08;
inline constexpr std::uint8_t kBusyLock = 0x06;
inline constexpr std::uint8_t kBusyLockCarrier = 0x02;
inline constexpr std::uint8_t kBusyLockTone = 0x04;  // 0x06 reads as QT/DQT too

}  // namespace kw::channel_flag
