#include "platform/settings_store.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "profile/profile_file.h"

namespace kw {
namespace {

constexpr std::string_view kBinaryTag = "hex:";
constexpr std::string_view kDwordTag = "dword:";
constexpr std::string_view kStringTag = "sz:";
constexpr std::size_t kDwordDigits = 8;
constexpr std::string_view kFileName = "settings.ini";
constexpr char kHexDigits[] = "0123456789abcdef";

std::optional<std::uint8_t> hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<std::uint8_t>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<std::uint8_t>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<std::uint8_t>(c - 'A' + 10);
    }
    return std::nullopt;
}

std::optional<std::uint8_t> hexByte(std::string_view two) {
    if (two.size() != 2) {
        return std::nullopt;
    }
    const auto high = hexDigit(two[0]);
    const auto low = hexDigit(two[1]);
    if (!high || !low) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>((*high << 4) | *low);
}

void appendHexByte(std::string& text, std::uint8_t byte) {
    text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 0x0F];
}

// Profile values lose trailing blanks and end at "//", "/*" or a tab with ";", and may
// not hold line breaks; escaping exactly what would be lost keeps paths readable.
std::string escapedText(std::string_view text) {
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<std::uint8_t>(c);
        const bool last = i + 1 == text.size();
        const bool startsCut = c == '/' && !last && (text[i + 1] == '/' || text[i + 1] == '*');
        if (c == '%' || byte < 0x20 || byte == 0x7F || startsCut || (c == ' ' && last)) {
            escaped += '%';
            appendHexByte(escaped, byte);
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::optional<std::string> unescapedText(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            plain += text[i];
            continue;
        }
        const auto byte = hexByte(text.substr(i + 1, 2));
        if (!byte) {
            return std::nullopt;
        }
        plain += static_cast<char>(*byte);
        i += 2;
    }
    return plain;
}

}  // namespace

std::optional<std::string> SettingsStore::readTagged(std::string_view section,
                                                     std::string_view name,
                                                     std::string_view tag) const {
    CProfileFile profile;
    if (!profile.open(filePath_, {.createIfMissing = false})) {
        return std::nullopt;
    }
    std::string value = profile.get(section, name);
    if (!value.starts_with(tag)) {
        return std::nullopt;
    }
    return value.substr(tag.size());
}

FileWriteResult SettingsStore::writeText(std::string_view section, std::string_view name,
                                         const std::string& text) const {
    if (filePath_.empty()) {
        return {false,
                "The settings cannot be kept: neither XDG_CONFIG_HOME nor HOME names "
                "an absolute folder."};
    }
    CProfileFile profile;
    if (const ProfileOpenResult opened = profile.open(filePath_, {.createIfMissing = false});
        !opened) {
        // Writing over a file that cannot be read would lose the values it holds.
        return {false, opened.error};
    }
    if (profile.set(section, name, text) != ProfileSetResult::Changed) {
        return {true, {}};
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(filePath_).parent_path(), error);
    const ProfileSaveResult saved = profile.save(false);
    if (saved.status == ProfileSaveStatus::Failed) {
        return {false, saved.error};
    }
    return {true, {}};
}

bool SettingsStore::readBinary(std::string_view section, std::string_view name,
                               std::span<std::uint8_t> value) const {
    const auto text = readTagged(section, name, kBinaryTag);
    if (!text) {
        return false;
    }
    // Exactly as many two-digit bytes as the setting is wide, nothing more.
    std::size_t count = 0;
    std::string_view rest = *text;
    for (;;) {
        const auto comma = rest.find(',');
        const auto byte = hexByte(rest.substr(0, comma));
        if (!byte || count == value.size()) {
            return false;
        }
        value[count++] = *byte;
        if (comma == rest.npos) {
            break;
        }
        rest = rest.substr(comma + 1);
    }
    return count == value.size();
}

FileWriteResult SettingsStore::writeBinary(std::string_view section, std::string_view name,
                                           std::span<const std::uint8_t> value) const {
    std::string text(kBinaryTag);
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        appendHexByte(text, value[i]);
    }
    return writeText(section, name, text);
}

std::optional<std::uint32_t> SettingsStore::read(const DwordSetting& setting) const {
    const auto text = readTagged(setting.section, setting.name, kDwordTag);
    if (!text || text->size() != kDwordDigits) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char c : *text) {
        const auto digit = hexDigit(c);
        if (!digit) {
            return std::nullopt;
        }
        value = (value << 4) | *digit;
    }
    return value;
}

FileWriteResult SettingsStore::write(const DwordSetting& setting, std::uint32_t value) const {
    std::string text(kDwordTag);
    for (int shift = 24; shift >= 0; shift -= 8) {
        appendHexByte(text, static_cast<std::uint8_t>(value >> shift));
    }
    return writeText(setting.section, setting.name, text);
}

std::optional<std::string> SettingsStore::read(const StringSetting& setting) const {
    const auto text = readTagged(setting.section, setting.name, kStringTag);
    if (!text) {
        return std::nullopt;
    }
    auto plain = unescapedText(*text);
    if (!plain || plain->size() > setting.maxBytes) {
        return std::nullopt;
    }
    return plain;
}

FileWriteResult SettingsStore::write(const StringSetting& setting, std::string_view value) const {
    if (value.size() > setting.maxBytes) {
        return {false, "The setting \"" + std::string(setting.name) + "\" takes at most " +
                           std::to_string(setting.maxBytes) + " bytes."};
    }
    return writeText(setting.section, setting.name, std::string(kStringTag) + escapedText(value));
}

std::string settingsFolderName(std::string_view appName) {
    std::string folder(appName);
    for (char& c : folder) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    if (folder.empty() || folder == "." || folder == "..") {
        folder.insert(0, 1, '_');
    }
    return folder;
}

std::string settingsFilePath(std::string_view appName, std::string_view configHome) {
    if (configHome.empty()) {
        return {};
    }
    while (configHome.size() > 1 && configHome.ends_with('/')) {
        configHome.remove_suffix(1);
    }
    std::string path(configHome);
    if (!path.ends_with('/')) {
        path += '/';
    }
    return path + settingsFolderName(appName) + "/" + std::string(kFileName);
}

std::string configHomeFrom(const char* xdgConfigHome, const char* home) {
    // Relative values are invalid by the XDG rules and would depend on the current folder.
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
        return xdgConfigHome;
    }
    if (home != nullptr && home[0] == '/') {
        std::string folder(home);
        if (!folder.ends_with('/')) {
            folder += '/';
        }
        return folder + ".config";
    }
    return {};
}

std::string userHomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return {};
}

std::string userConfigHome() {
    const std::string home = userHomeFolder();
    return configHomeFrom(std::getenv("XDG_CONFIG_HOME"), home.c_str());
}

}  // namespace kw
