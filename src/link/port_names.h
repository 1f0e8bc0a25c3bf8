#pragma once
// Port names and the device files behind them. The program knows ports COM1-COM16 by
// number; on Linux they map onto the usual device files:
//   COM1-COM8 -> /dev/ttyUSB0-7, COM9-COM12 -> /dev/ttyACM0-3, COM13-COM16 -> /dev/ttyS0-3.
// Any other path (a /dev/serial/by-id link, a pseudo-terminal) is a port name too; a
// relative one is taken relative to the current folder.
// "COM10" and above need no device-namespace prefix here; "\\.\COM10" is still
// understood as COM10, so a name written the Windows way keeps working.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kw {

inline constexpr int kPortCount = 16;
inline constexpr std::string_view kStartPortName = "COM1";

// "COM" followed by the number; numbers outside 1-16 give a name that opens nothing.
[[nodiscard]] std::string portNameOf(int number);

// The device file of a port name, or nothing for a COM number without one.
[[nodiscard]] std::optional<std::string> deviceOf(std::string_view portName);

// The port number 1-16 a name stands for, also when it is given as its device file.
[[nodiscard]] std::optional<int> portNumberOf(std::string_view portName);

// The "com" value of the settings store: a port number (only its low byte counts, as
// the stored number was always one byte wide) or a device path.
using StoredPort = std::variant<std::uint32_t, std::string>;

// The port name a channel view starts with; a missing value means COM1.
[[nodiscard]] std::string portNameFromStored(const std::optional<StoredPort>& stored);
// What to store for a port name: its number when it has one, else the path.
[[nodiscard]] StoredPort storedValueOf(std::string_view portName);

}  // namespace kw
