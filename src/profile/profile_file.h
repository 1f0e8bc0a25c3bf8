#pragma once
// CProfileFile keeps a sectioned key/value text file ("Program.ini") in memory: the whole
// file is read at open, lookups and changes are answered in memory, and the whole file
// is written back at save (and at destruction when write back is on).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

// Program.ini holds a few dozen lines; anything this large is not a profile.
inline constexpr std::size_t kMaxProfileSize = 1u << 20;

struct ProfileOpenOptions {
    bool writeBack = false;   // save when the object is destroyed
    bool ignoreCase = true;   // names and values compare without regard to letter case
    bool makeBackup = false;  // copy the old file to a numbered backup before each save
    // The program creates a missing profile empty at open; a reader that must leave no
    // file behind turns this off and gets an empty profile, which a save then creates.
    bool createIfMissing = true;
};

struct [[nodiscard]] ProfileOpenResult {
    bool ok = false;
    std::string error;  // one sentence naming the file and the reason when !ok

    explicit operator bool() const { return ok; }
};

enum class [[nodiscard]] ProfileSetResult{
    Changed,    // the stored text differs now; the next save writes it
    Unchanged,  // the identical text was already stored
    NotOpen,    // nothing is open, so nothing was stored
    Refused,    // the section, key or value holds CR or LF, which would inject lines
};

enum class ProfileSaveStatus { Written, NothingToWrite, Failed };

struct [[nodiscard]] ProfileSaveResult {
    ProfileSaveStatus status = ProfileSaveStatus::NothingToWrite;
    std::string backupName;  // the numbered copy made before writing; empty when none
    std::string error;       // one sentence when Failed
};

class CProfileFile {
  public:
    // `growthStep` section slots are added whenever the section table is full.
    explicit CProfileFile(std::size_t growthStep = 4);
    virtual ~CProfileFile();
    CProfileFile(const CProfileFile&) = delete;
    CProfileFile& operator=(const CProfileFile&) = delete;

    // Saves (without backup) and clears whatever was open, then reads `path` (see
    // profilePathFor). On any failure, a read error half-way included, the object is left
    // closed, so nothing partial can be saved over the file.
    ProfileOpenResult open(const std::string& path, ProfileOpenOptions options = {});

    // The value of the last `key` in the first section named `section`, cut at "//", at a
    // tab followed by ";" and at "/*". A missing section gives `defaultText` unchanged, a
    // missing key gives it stripped of blanks.
    [[nodiscard]] std::string get(std::string_view section, std::string_view key,
                                  std::string_view defaultText = {}) const;
    // Replaces the last `key` of the first `section`, appending either when missing.
    ProfileSetResult set(std::string_view section, std::string_view key, std::string_view value);
    // Writes the whole content when it was modified; the content stays marked modified.
    ProfileSaveResult save(bool makeBackup);
    // Forgets the content and the file; the open options stay.
    void clear();

    // Removes every `key` of the first `section`; true when there was one.
    bool deleteKey(std::string_view section, std::string_view key);
    // Removes every section named `section` with its entries (the leading section is only
    // emptied); true when there was one.
    bool deleteSection(std::string_view section);
    // The names of the sections that have a name, in file order, repeats included.
    [[nodiscard]] std::vector<std::string> sectionNames() const;
    // The keys of the first `section`, in file order.
    [[nodiscard]] std::vector<std::string> keys(std::string_view section) const;
    // Element `index` (from 0) of the value split at `separator`, stripped of blanks; the
    // empty text when out of range or when the value is empty or reads "(null)".
    [[nodiscard]] std::string element(std::string_view section, std::string_view key,
                                      std::size_t index, char separator) const;

    [[nodiscard]] bool isOpen() const { return !path_.empty(); }
    [[nodiscard]] bool isModified() const { return modified_; }
    [[nodiscard]] const std::string& path() const { return path_; }
    // Why the last open failed.
    [[nodiscard]] const std::string& errorCause() const { return errorCause_; }

  private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    void parse(std::string_view contents);
    Section& appendSection(std::string_view name);
    // The first section of that name; the last entry of that key, so the last one wins.
    [[nodiscard]] std::optional<std::size_t> sectionIndex(std::string_view name) const;
    [[nodiscard]] std::optional<std::size_t> entryIndex(const Section& section,
                                                        std::string_view key) const;
    [[nodiscard]] std::string contentText() const;
    [[nodiscard]] bool sameText(std::string_view a, std::string_view b) const;

    std::string errorCause_;
    std::vector<Section> sections_;  // index 0 is the leading, unnamed section
    std::size_t growthStep_;
    bool ignoreCase_ = true;
    bool writeBack_ = false;
    std::string backupName_;
    bool makeBackup_ = false;
    bool modified_ = false;
    std::string path_;
};

// Where a profile named `fileName` lies: an absolute name as it is, any other name in
// `programDirectory` (which ends in '/').
[[nodiscard]] std::string profilePathFor(std::string_view fileName,
                                         std::string_view programDirectory);

// The numbered backup of `path`: "%s.%.3d" with one more than the largest three-digit
// suffix among the files beside it whose names begin with its name without extension
// (the file itself counts 0).
[[nodiscard]] std::string nextBackupName(const std::string& path);

}  // namespace kw
