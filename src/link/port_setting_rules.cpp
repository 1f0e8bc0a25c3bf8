#include "link/port_setting_rules.h"

namespace kw {

PortSettingRules::PortSettingRules(const std::string& currentPortName, const Prober& canOpen) {
    for (int number = 1; number <= kPortCount; ++number) {
        enabled_[number - 1] = canOpen(portNameOf(number));
    }
    if (canOpen(currentPortName)) {
        selection_ = portNumberOf(currentPortName);
    }
}

bool PortSettingRules::enabled(int number) const {
    return number >= 1 && number <= kPortCount && enabled_[number - 1];
}

void PortSettingRules::select(int number) {
    if (enabled(number)) {
        selection_ = number;
    }
}

std::optional<PortSettingRules::Choice> PortSettingRules::accept() const {
    if (!selection_) {
        return std::nullopt;
    }
    return Choice{portNameOf(*selection_), static_cast<std::uint32_t>(*selection_)};
}

}  // namespace kw
