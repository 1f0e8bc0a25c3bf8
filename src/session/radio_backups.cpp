#include "session/radio_backups.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "base/file_stamp.h"
#include "model/document_file.h"
#include "model/model_table.h"
#include "model/product_state.h"
#include "session/new_document.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBackupsSubfolder = "kwprog/backups";
constexpr std::string_view kExtension = ".dat";
constexpr std::string_view kUnknownModel = "radio";
constexpr std::int64_t kSecondsPerDay = 86400;
// Enough numbered names for every backup one second can see.
constexpr int kMaxSequence = 1000;

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t daysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - static_cast<int>(era * 400);
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Seconds on a clock without time zones: names and "now" are both local wall time.
std::int64_t wallSeconds(const LocalTime& time) {
    return daysFromCivil(time.year, time.month, time.day) * kSecondsPerDay + time.hour * 3600 +
           time.minute * 60 + time.second;
}

std::string_view modelText(const RadioImage& image) {
    if (const auto index = modelIndexOfType(image[kModelType])) {
        return kRadioModels[*index].text;
    }
    return kUnknownModel;
}

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

LocalTime localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string backupsFolderFrom(const char* xdgDataHome, const char* home) {
    // Relative values are invalid by the XDG rules and would depend on the current folder.
    std::string base;
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        base = xdgDataHome;
    } else if (home != nullptr && home[0] == '/') {
        base = home;
        if (!base.ends_with('/')) {
            base += '/';
        }
        base += ".local/share";
    } else {
        return {};
    }
    if (!base.ends_with('/')) {
        base += '/';
    }
    return base + std::string(kBackupsSubfolder);
}

std::string userBackupsFolder() {
    const std::string home = userHomeFolder();
    return backupsFolderFrom(std::getenv("XDG_DATA_HOME"), home.c_str());
}

BackupPlace userBackupPlace(const SettingsStore& settings) {
    BackupPlace place;
    place.folder = userBackupsFolder();
    place.keepDays =
        settings.read(settings::kBackupDays).value_or(settings::kBackupDays.defaultValue);
    return place;
}

RadioImage backupReadStart(const RadioImage& passwordFrom) {
    RadioImage image{};
    ProductState factory;
    fillNewDocumentImage(image, factory);
    std::copy_n(passwordFrom.begin() + kPassword, kPasswordSize, image.begin() + kPassword);
    return image;
}

std::string backupFileStem(std::string_view model, const LocalTime& time, int sequence) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "-%04d%02d%02d-%02d%02d%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    std::string stem = std::string(model) + stamp;
    if (sequence > 1) {
        stem += "-" + std::to_string(sequence);
    }
    return stem;
}

std::optional<BackupEntry> parseBackupName(const std::string& path) {
    std::string name = fs::path(path).filename().string();
    if (!name.ends_with(kExtension)) {
        return std::nullopt;
    }
    name.resize(name.size() - kExtension.size());
    // MODEL-YYYYMMDD-HHMMSS[-N]: the model's own name holds a '-' too.
    for (const auto& model : kRadioModels) {
        const std::string prefix = std::string(model.text) + "-";
        if (!name.starts_with(prefix)) {
            continue;
        }
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        if (rest.size() < 15 || rest[8] != '-') {
            return std::nullopt;
        }
        if (rest.size() > 15 && (rest[15] != '-' || !number(rest.substr(16)))) {
            return std::nullopt;
        }
        const auto date = number(rest.substr(0, 8));
        const auto clock = number(rest.substr(9, 6));
        if (!date || !clock) {
            return std::nullopt;
        }
        const LocalTime time{*date / 10000,  *date / 100 % 100,  *date % 100,
                             *clock / 10000, *clock / 100 % 100, *clock % 100};
        if (time.month < 1 || time.month > 12 || time.day < 1 || time.day > 31 || time.hour > 23 ||
            time.minute > 59 || time.second > 60) {
            return std::nullopt;
        }
        return BackupEntry{time, std::string(model.text), path};
    }
    return std::nullopt;
}

// The backup is written whole under a hidden name, then linked to the first free backup
// name: a link never replaces a file, so backups taken at once (a fleet, one per port)
// never take the same name, and none is ever half written.
BackupSaveResult saveBackup(const BackupPlace& place, const RadioImage& image) {
    if (place.folder.empty()) {
        return {{}, "No folder for backups: neither XDG_DATA_HOME nor HOME names one."};
    }
    std::error_code error;
    fs::create_directories(place.folder, error);
    if (error) {
        return {
            {},
            "The backups folder " + place.folder + " could not be made: " + error.message() + "."};
    }
    std::string staged = (fs::path(place.folder) / ".backup-XXXXXX").string();
    const int stagedFd = ::mkstemp(staged.data());
    if (stagedFd < 0) {
        return {{},
                "No backup can be written in " + place.folder + ": " + std::strerror(errno) + "."};
    }
    ::close(stagedFd);
    BackupSaveResult result{{}, "Too many backups in " + place.folder + " within one second."};
    if (FileWriteResult written = storeDocumentFile(staged, image); !written) {
        result.error = std::move(written.error);
    } else {
        const LocalTime now = place.now();
        for (int sequence = 1; sequence <= kMaxSequence; ++sequence) {
            const std::string path =
                (fs::path(place.folder) /
                 (backupFileStem(modelText(image), now, sequence) + std::string(kExtension)))
                    .string();
            if (::link(staged.c_str(), path.c_str()) == 0) {
                result = {path, {}};
                break;
            }
            if (errno != EEXIST) {
                result.error =
                    "The backup " + path + " could not be made: " + std::strerror(errno) + ".";
                break;
            }
        }
        if (result) {
            pruneBackups(place.folder, now, place.keepDays, place.spared);
        }
    }
    ::unlink(staged.c_str());
    return result;
}

void pruneBackups(const std::string& folder, const LocalTime& now, std::uint32_t keepDays,
                  const std::string& spared) {
    if (keepDays == 0) {
        return;
    }
    const std::int64_t oldest =
        wallSeconds(now) - static_cast<std::int64_t>(keepDays) * kSecondsPerDay;
    for (const BackupEntry& entry : listBackups(folder)) {
        if (wallSeconds(entry.time) < oldest && !sameFile(entry.path, spared)) {
            std::error_code ignored;
            fs::remove(entry.path, ignored);
        }
    }
}

std::vector<BackupEntry> listBackups(const std::string& folder) {
    std::vector<BackupEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error)) {
            continue;
        }
        if (auto entry = parseBackupName(it->path().string())) {
            entries.push_back(std::move(*entry));
        }
    }
    // Newest first; within one second the later sequence number first.
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.time != b.time) {
            return a.time > b.time;
        }
        return a.path.size() != b.path.size() ? a.path.size() > b.path.size() : a.path > b.path;
    });
    return entries;
}

std::string backupTimeText(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

}  // namespace kw
