#pragma once
// The Port Setting dialog without widgets: which of the buttons COM1-COM16 are enabled,
// which one is selected, and what OK changes.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "link/port_names.h"

namespace kw {

class PortSettingRules {
  public:
    // Opens and closes each port to see whether it can be used now.
    using Prober = std::function<bool(const std::string& portName)>;

    // OnInitDialog: a button per port that opens; the current port's button is selected
    // only when the port itself opens and is one of the sixteen.
    PortSettingRules(const std::string& currentPortName, const Prober& canOpen);

    bool enabled(int number) const;
    std::optional<int> selection() const { return selection_; }
    // A click on an enabled button.
    void select(int number);
    // Typing another device path takes the place of the buttons.
    void clearSelection() { selection_.reset(); }

    struct Choice {
        std::string portName;
        StoredPort storedValue;  // the "com" value to keep
    };
    // OK: nothing when no button is selected, else the new port name and what to store.
    std::optional<Choice> accept() const;

  private:
    std::array<bool, kPortCount> enabled_{};
    std::optional<int> selection_;
};

}  // namespace kw
