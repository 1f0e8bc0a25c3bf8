#pragma once
// Backups of a radio's memory, taken before every write: document files named
// MODEL-YYYYMMDD-HHMMSS.dat (local time; -2, -3, ... when that second is taken) in one
// folder, pruned by age at each new backup. A backup holds every byte a Read received as
// it came; the bytes a Read does not bring are a new document's.

#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/atomic_file.h"
#include "model/radio_image.h"
#include "platform/settings_store.h"

namespace kw {

// A moment on the user's wall clock, as backup names hold it.
struct LocalTime {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;    // 1-31
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend auto operator<=>(const LocalTime&, const LocalTime&) = default;
};

// This machine's wall clock now.
[[nodiscard]] LocalTime localTimeNow();

// Where backups are kept and for how long.
struct BackupPlace {
    std::string folder;
    std::uint32_t keepDays = 365;  // 0 keeps every backup
    std::function<LocalTime()> now = localTimeNow;
    // A file pruning leaves, however old its name: the one this write puts on the radio.
    std::string spared = {};
};

struct BackupEntry {
    LocalTime time;
    std::string model;  // "KW-217V"
    std::string path;
};

struct [[nodiscard]] BackupSaveResult {
    std::string path;   // the backup written
    std::string error;  // one sentence when nothing was written

    explicit operator bool() const { return error.empty(); }
};

// $XDG_DATA_HOME/kwprog/backups when that variable is an absolute path, else
// <home>/.local/share/kwprog/backups; empty when neither names an absolute folder. Null
// pointers stand for unset variables.
[[nodiscard]] std::string backupsFolderFrom(const char* xdgDataHome, const char* home);

// backupsFolderFrom() over this process's environment.
[[nodiscard]] std::string userBackupsFolder();

// The user's backup place: userBackupsFolder() and the BackupDays setting of `settings`.
[[nodiscard]] BackupPlace userBackupPlace(const SettingsStore& settings);

// The image a backup Read starts from: a new document's bytes, with the password the
// radio is expected to have (the Read's own password check compares it).
[[nodiscard]] RadioImage backupReadStart(const RadioImage& passwordFrom);

// "KW-217V-20261208-143501"; `sequence` 2, 3, ... adds "-2", "-3", ...
[[nodiscard]] std::string backupFileStem(std::string_view model, const LocalTime& time,
                                         int sequence = 1);
// The time and model a backup's file name holds; nothing for other names.
[[nodiscard]] std::optional<BackupEntry> parseBackupName(const std::string& path);

// Saves `image` (a backup Read's image) under a new name, creating the folder, then
// deletes the backups older than the place's keepDays.
BackupSaveResult saveBackup(const BackupPlace& place, const RadioImage& image);

// Deletes the backups whose name's time lies more than `keepDays` days before `now`,
// except `spared` (by any path or link).
void pruneBackups(const std::string& folder, const LocalTime& now, std::uint32_t keepDays,
                  const std::string& spared = {});

// The backups in `folder`, newest first.
[[nodiscard]] std::vector<BackupEntry> listBackups(const std::string& folder);

// "2026-12-08 14:35:01"
[[nodiscard]] std::string backupTimeText(const LocalTime& time);

}  // namespace kw
