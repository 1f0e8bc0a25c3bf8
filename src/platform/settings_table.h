#pragma once
// Every value the program keeps per user between runs, each stated once with its name,
// type, width and default. They stand in for the registry key "Software\<AppName>" and
// the framework's recent-file list.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kw {

// Exactly `Width` bytes; a missing value reads as `Width` zero bytes.
template <std::size_t Width>
struct BinarySetting {
    std::string_view section;
    std::string_view name;
};

// A 4-byte number.
struct DwordSetting {
    std::string_view section;
    std::string_view name;
    std::uint32_t defaultValue;
};

// A text of at most `maxBytes` bytes (GBK or UTF-8, as the caller holds it).
struct StringSetting {
    std::string_view section;
    std::string_view name;
    std::size_t maxBytes;
    std::string_view defaultValue;
};

namespace settings {

inline constexpr std::string_view kKeySection = "Settings";
inline constexpr std::string_view kRecentFileSection = "Recent File List";
inline constexpr std::size_t kMaxPathBytes = 4096;

// The stored band: two identical 3-byte halves, all zero when none is stored.
inline constexpr BinarySetting<6> kField{kKeySection, "Field"};
// The stored model type in the low byte.
inline constexpr DwordSetting kType{kKeySection, "Type", 1};
// The serial port is kept either as a port number 1-16 or as a device path (a
// /dev/serial/by-id name or a pseudo-terminal); both share the name, and writing one
// replaces the other.
inline constexpr DwordSetting kComNumber{kKeySection, "com", 1};
inline constexpr StringSetting kComDevice{kKeySection, "com", kMaxPathBytes, ""};
// Backups older than this many days are deleted at each new backup; 0 keeps them all.
inline constexpr DwordSetting kBackupDays{kKeySection, "BackupDays", 365};
// The desktop program's protocol trace: on (1) or off (0), and the file it goes to.
inline constexpr DwordSetting kTrace{kKeySection, "Trace", 0};
inline constexpr StringSetting kTraceFile{kKeySection, "TraceFile", kMaxPathBytes, ""};
inline constexpr std::array<StringSetting, 4> kRecentFiles{{
    {kRecentFileSection, "File1", kMaxPathBytes, ""},
    {kRecentFileSection, "File2", kMaxPathBytes, ""},
    {kRecentFileSection, "File3", kMaxPathBytes, ""},
    {kRecentFileSection, "File4", kMaxPathBytes, ""},
}};
// The desktop program's Write: what it does around the write itself (1 on, 0 off).
inline constexpr DwordSetting kBackupBeforeWrite{kKeySection, "BackupBeforeWrite", 1};
inline constexpr DwordSetting kShowChangesBeforeWrite{kKeySection, "ShowChangesBeforeWrite", 1};
inline constexpr DwordSetting kVerifyAfterWrite{kKeySection, "VerifyAfterWrite", 1};

}  // namespace settings
}  // namespace kw
