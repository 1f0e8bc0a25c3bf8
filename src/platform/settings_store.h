#pragma once
// The per-user settings store: a profile file at
// $XDG_CONFIG_HOME/<AppName>/settings.ini holding the values of settings_table.h, each
// tagged with its type ("hex:13,61,74,13,61,74", "dword:00000001", "sz:/dev/ttyUSB0").
// Every read and write goes to the file, as registry calls would, so two running
// instances never overwrite each other's other values.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/atomic_file.h"
#include "platform/settings_table.h"

namespace kw {

class SettingsStore {
  public:
    explicit SettingsStore(std::string filePath) : filePath_(std::move(filePath)) {}

    [[nodiscard]] const std::string& filePath() const { return filePath_; }

    // Reads give nothing when the file or the value is missing, and also when the value
    // has another type or width: they never fill more than the setting's width.
    template <std::size_t Width>
    [[nodiscard]] std::optional<std::array<std::uint8_t, Width>> read(
        const BinarySetting<Width>& setting) const {
        std::array<std::uint8_t, Width> value{};
        if (!readBinary(setting.section, setting.name, value)) {
            return std::nullopt;
        }
        return value;
    }
    [[nodiscard]] std::optional<std::uint32_t> read(const DwordSetting& setting) const;
    [[nodiscard]] std::optional<std::string> read(const StringSetting& setting) const;

    // Writes replace the whole file atomically, creating its folder when needed.
    template <std::size_t Width>
    FileWriteResult write(const BinarySetting<Width>& setting,
                          const std::array<std::uint8_t, Width>& value) const {
        return writeBinary(setting.section, setting.name, value);
    }
    FileWriteResult write(const DwordSetting& setting, std::uint32_t value) const;
    FileWriteResult write(const StringSetting& setting, std::string_view value) const;

  private:
    [[nodiscard]] bool readBinary(std::string_view section, std::string_view name,
                                  std::span<std::uint8_t> value) const;
    FileWriteResult writeBinary(std::string_view section, std::string_view name,
                                std::span<const std::uint8_t> value) const;
    [[nodiscard]] std::optional<std::string> readTagged(std::string_view section,
                                                        std::string_view name,
                                                        std::string_view tag) const;
    FileWriteResult writeText(std::string_view section, std::string_view name,
                              const std::string& text) const;

    std::string filePath_;
};

// The folder name for `appName`, which can never leave the config folder: every '/' and
// NUL becomes '_', and a name that is then empty, "." or ".." gets a '_' in front
// ("" -> "_", ".." -> "_..").
[[nodiscard]] std::string settingsFolderName(std::string_view appName);

// `configHome`/<folder>/settings.ini; empty when `configHome` is empty.
[[nodiscard]] std::string settingsFilePath(std::string_view appName, std::string_view configHome);

// $XDG_CONFIG_HOME when it is an absolute path, else <home>/.config; empty when neither
// names an absolute folder. Null pointers stand for unset variables.
[[nodiscard]] std::string configHomeFrom(const char* xdgConfigHome, const char* home);

// $HOME, or the user database's home folder when HOME is unset or empty.
[[nodiscard]] std::string userHomeFolder();

// configHomeFrom() over this process's environment, taking the home folder from the user
// database when HOME is unset.
[[nodiscard]] std::string userConfigHome();

}  // namespace kw
