#include "link/port_names.h"

#include <array>
#include <charconv>

namespace kw {
namespace {

struct DeviceRange {
    int firstNumber;
    int count;
    std::string_view devicePrefix;
};

constexpr std::array<DeviceRange, 3> kDeviceRanges{{
    {1, 8, "/dev/ttyUSB"},
    {9, 4, "/dev/ttyACM"},
    {13, 4, "/dev/ttyS"},
}};

constexpr std::string_view kComPrefix = "COM";
constexpr std::string_view kDeviceNamespacePrefix = "\\\\.\\";
constexpr std::uint32_t kStoredNumberMask = 0xFF;

std::optional<int> comNumberOf(std::string_view portName) {
    if (portName.starts_with(kDeviceNamespacePrefix)) {
        portName.remove_prefix(kDeviceNamespacePrefix.size());
    }
    if (!portName.starts_with(kComPrefix)) {
        return std::nullopt;
    }
    portName.remove_prefix(kComPrefix.size());
    int number = 0;
    const auto [end, error] =
        std::from_chars(portName.data(), portName.data() + portName.size(), number);
    if (error != std::errc{} || end != portName.data() + portName.size() || portName.empty()) {
        return std::nullopt;
    }
    return number;
}

std::optional<std::string> deviceOfNumber(int number) {
    for (const DeviceRange& range : kDeviceRanges) {
        if (number >= range.firstNumber && number < range.firstNumber + range.count) {
            return std::string(range.devicePrefix) + std::to_string(number - range.firstNumber);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string portNameOf(int number) {
    return std::string(kComPrefix) + std::to_string(number);
}

std::optional<std::string> deviceOf(std::string_view portName) {
    if (portName.starts_with(kComPrefix) || portName.starts_with(kDeviceNamespacePrefix)) {
        const auto number = comNumberOf(portName);
        return number ? deviceOfNumber(*number) : std::nullopt;
    }
    return portName.empty() ? std::nullopt : std::optional(std::string(portName));
}

std::optional<int> portNumberOf(std::string_view portName) {
    if (const auto number = comNumberOf(portName)) {
        return *number >= 1 && *number <= kPortCount ? number : std::nullopt;
    }
    for (int number = 1; number <= kPortCount; ++number) {
        if (deviceOfNumber(number) == portName) {
            return number;
        }
    }
    return std::nullopt;
}

std::string portNameFromStored(const std::optional<StoredPort>& stored) {
    if (!stored) {
        return std::string(kStartPortName);
    }
    if (const auto* number = std::get_if<std::uint32_t>(&*stored)) {
        return portNameOf(static_cast<int>(*number & kStoredNumberMask));
    }
    const auto& path = std::get<std::string>(*stored);
    return path.empty() ? std::string(kStartPortName) : path;
}

StoredPort storedValueOf(std::string_view portName) {
    if (const auto number = portNumberOf(portName)) {
        return static_cast<std::uint32_t>(*number);
    }
    return std::string(portName);
}

}  // namespace kw
