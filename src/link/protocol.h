#pragma once
// The bytes of the programming conversation, shared by the PC side and the simulated radio.

#include <array>
#include <cstddef>
#include <cstdint>

namespace kw::protocol {

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;

// 0x02 then "PROGRA", sent one byte at a time.
inline constexpr std::array<std::uint8_t, 7> kWakeUp{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
inline constexpr std::array<std::uint8_t, 2> kModelRequest{0x4D, 0x02};
inline constexpr std::size_t kModelReplySize = 8;

inline constexpr std::uint8_t kReadCommand = 0x52;   // "R"
inline constexpr std::uint8_t kWriteCommand = 0x57;  // "W"
inline constexpr std::uint8_t kFrameLength = 8;
inline constexpr std::size_t kFrameHeaderSize = 4;  // command, address high, address low, length
inline constexpr std::size_t kReadReplyHeaderSize = 4;
inline constexpr std::size_t kReadReplySize = kReadReplyHeaderSize + kFrameLength;

// Radio addresses the PC asks for outside the plain sweep of the memory.
inline constexpr std::uint16_t kIdentificationA = 0x0FD0;  // product block, model type at +1
inline constexpr std::uint16_t kIdentificationB = 0x0FD8;
inline constexpr std::size_t kModelTypeInBlockA = 1;
inline constexpr std::uint16_t kPasswordFrame = 0x0FE0;  // password in data bytes 2-7
inline constexpr std::uint16_t kPasswordSecondFrame = 0x0FE8;
inline constexpr std::size_t kPasswordInFrame = 2;

using FrameHeader = std::array<std::uint8_t, kFrameHeaderSize>;

[[nodiscard]] constexpr FrameHeader frameHeader(std::uint8_t command, std::uint16_t address) {
    return {command, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), kFrameLength};
}

[[nodiscard]] constexpr std::uint16_t frameAddress(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>((high << 8) | low);
}

}  // namespace kw::protocol
