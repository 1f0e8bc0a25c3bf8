#include "link/serial_devices.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "link/port_names.h"

namespace kw {
namespace {

constexpr std::array<std::string_view, 2> kUsbSerialPrefixes{"ttyUSB", "ttyACM"};

void addEntries(const std::filesystem::path& folder, std::vector<std::string>& found,
                bool (*wanted)(const std::filesystem::path&)) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (wanted(entry.path())) {
            found.push_back(entry.path().string());
        }
    }
}

}  // namespace

std::vector<std::string> otherSerialDevices(const std::string& devFolder) {
    std::vector<std::string> found;
    const std::filesystem::path dev(devFolder);
    addEntries(dev / "serial" / "by-id", found, [](const std::filesystem::path&) { return true; });
    addEntries(dev, found, [](const std::filesystem::path& path) {
        const std::string name = path.filename().string();
        return std::any_of(kUsbSerialPrefixes.begin(), kUsbSerialPrefixes.end(),
                           [&](std::string_view prefix) { return name.starts_with(prefix); }) &&
               !portNumberOf("/dev/" + name);
    });
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace kw
