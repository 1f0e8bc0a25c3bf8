#include "link/port_selection.h"

#include <algorithm>

#include "platform/settings_table.h"

namespace kw {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A path the settings file can keep and the device layer can open as it stands.
bool isUsablePath(std::string_view path) {
    const bool hasControl = std::ranges::any_of(
        path, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    return path.starts_with('/') && path.size() <= settings::kMaxPathBytes && !hasControl;
}

}  // namespace

PortSelection selectPort(const PortSettingRules& rules, std::string_view currentPortName,
                         std::string_view otherPath, const PortSettingRules::Prober& canOpen) {
    const std::string_view path = trimmed(otherPath);
    if (path.empty()) {
        return {rules.accept(), std::nullopt};
    }
    if (!isUsablePath(path) || !canOpen(std::string(path))) {
        if (path == otherPathOf(currentPortName)) {
            return {};
        }
        return {std::nullopt, MessageId::CouldNotOpenPort};
    }
    const StoredPort stored = storedValueOf(path);
    return {PortSettingRules::Choice{portNameFromStored(stored), stored}, std::nullopt};
}

std::string otherPathOf(std::string_view currentPortName) {
    if (portNumberOf(currentPortName) || !currentPortName.starts_with('/')) {
        return {};
    }
    return std::string(currentPortName);
}

}  // namespace kw
