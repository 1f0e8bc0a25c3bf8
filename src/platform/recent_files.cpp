#include "platform/recent_files.h"

#include <algorithm>

namespace kw {

RecentFileList::RecentFileList(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        if (!entry.empty() && std::ranges::find(entries_, entry) == entries_.end() &&
            entries_.size() < kCapacity) {
            entries_.push_back(entry);
        }
    }
}

void RecentFileList::add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    remove(path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kCapacity) {
        entries_.pop_back();
    }
}

void RecentFileList::remove(const std::string& path) {
    std::erase(entries_, path);
}

RecentFileList loadRecentFiles(const SettingsStore& store) {
    std::vector<std::string> entries;
    for (const StringSetting& setting : settings::kRecentFiles) {
        entries.push_back(store.read(setting).value_or(std::string()));
    }
    return RecentFileList(entries);
}

FileWriteResult storeRecentFiles(const SettingsStore& store, const RecentFileList& list) {
    for (std::size_t i = 0; i < settings::kRecentFiles.size(); ++i) {
        const std::string entry = i < list.entries().size() ? list.entries()[i] : std::string();
        FileWriteResult written = store.write(settings::kRecentFiles[i], entry);
        if (!written) {
            return written;
        }
    }
    return {true, {}};
}

}  // namespace kw
