#pragma once
// The port the transfers open, one for the whole program. It starts as COM1, takes the
// stored port whenever a document window is made and the Port Setting dialog's choice at
// its OK. A port named on the command line holds for this run instead of the stored one,
// until the user picks another in the dialog.

#include <optional>
#include <string>

#include "link/port_names.h"
#include "link/port_setting_rules.h"
#include "platform/settings_store.h"

namespace kw {

class ProgramPort {
  public:
    explicit ProgramPort(std::optional<std::string> commandLinePort = std::nullopt);

    [[nodiscard]] const std::string& name() const { return name_; }
    // The command-line port while it still holds: a restart passes it on.
    [[nodiscard]] const std::optional<std::string>& commandLinePort() const {
        return commandLinePort_;
    }

    // A channel view was made: the stored port, unless the command line named one.
    void onViewCreated(const std::optional<StoredPort>& stored);
    // The dialog's OK with a choice.
    void choose(const PortSettingRules::Choice& choice);

  private:
    std::optional<std::string> commandLinePort_;
    std::string name_;
};

// The "com" value: a port number or a device path; nothing when neither is stored.
[[nodiscard]] std::optional<StoredPort> readStoredPort(const SettingsStore& settings);
FileWriteResult storePort(const SettingsStore& settings, const StoredPort& port);

}  // namespace kw
