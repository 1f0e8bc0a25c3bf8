#pragma once
// Serial devices present besides the sixteen numbered ports, for listing to the user.

#include <string>
#include <vector>

namespace kw {

// The /dev/serial/by-id links and the USB serial devices (ttyUSB*, ttyACM*) under
// `devFolder` that no port number reaches, sorted by path.
[[nodiscard]] std::vector<std::string> otherSerialDevices(const std::string& devFolder = "/dev");

}  // namespace kw
