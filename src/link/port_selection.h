#pragma once
// What OK of the Port Setting dialog chooses: one of the sixteen buttons, or a device path
// typed in the field below them (a /dev/serial/by-id link, a USB adapter beyond the
// numbered ones, the simulated radio's pseudo-terminal).

#include <optional>
#include <string>
#include <string_view>

#include "link/port_setting_rules.h"
#include "res/messages.h"

namespace kw {

struct PortSelection {
    std::optional<PortSettingRules::Choice> choice;  // nothing: the port stays as it was
    std::optional<MessageId> refusal;                // the typed path cannot be used
};

// A field holding more than blanks wins over the buttons. Its path must be absolute and
// open now; a path that is a numbered port's device is kept as that port's number. The
// current port left in the field as it was shown is treated as its button would be: when
// it cannot be opened now, OK changes nothing and says nothing.
[[nodiscard]] PortSelection selectPort(const PortSettingRules& rules,
                                       std::string_view currentPortName, std::string_view otherPath,
                                       const PortSettingRules::Prober& canOpen);

// The field's text when the dialog opens: the current port when no button stands for it.
[[nodiscard]] std::string otherPathOf(std::string_view currentPortName);

}  // namespace kw
