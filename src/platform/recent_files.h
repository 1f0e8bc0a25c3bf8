#pragma once
// The File menu's list of the last four documents opened or saved, newest first, kept in
// the settings store between runs.

#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace kw {

class RecentFileList {
  public:
    static constexpr std::size_t kCapacity = settings::kRecentFiles.size();

    // Empty and repeated entries are dropped; past four, the oldest.
    explicit RecentFileList(const std::vector<std::string>& entries = {});

    const std::vector<std::string>& entries() const { return entries_; }

    // `path` goes to the top, once.
    void add(const std::string& path);
    void remove(const std::string& path);

  private:
    std::vector<std::string> entries_;
};

[[nodiscard]] RecentFileList loadRecentFiles(const SettingsStore& store);
// Unused places are written empty, so an entry removed here is gone from the store too.
FileWriteResult storeRecentFiles(const SettingsStore& store, const RecentFileList& list);

}  // namespace kw
