#include "profile/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/atomic_file.h"
#include "profile/profile_text.h"

namespace kw {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kBackupDigits = 3;

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

std::string sentence(std::string_view what, const std::string& path, int error) {
    return std::string(what) + " \"" + path + "\": " + std::strerror(error) + ".";
}

// Reads the whole file into `contents`; a missing file is created empty or, without
// `create`, reads as empty. Returns the reason when it cannot be read.
std::optional<std::string> readProfile(const std::string& path, bool create,
                                       std::string& contents) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            return sentence("Could not open", path, errno);
        }
        if (!create) {
            contents.clear();
            return std::nullopt;
        }
        // Exclusive create: a file that appeared meanwhile is never truncated.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return sentence("Could not create", path, errno);
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    const FileReadResult read = readWholeFile(path, contents, kMaxProfileSize);
    if (!read) {
        return read.error;
    }
    return std::nullopt;
}

std::size_t backupNumberOf(std::string_view fileName) {
    if (fileName.size() < kBackupDigits) {
        return 0;
    }
    std::size_t number = 0;
    for (const char c : fileName.substr(fileName.size() - kBackupDigits)) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = number * 10 + static_cast<std::size_t>(c - '0');
    }
    return number;
}

}  // namespace

CProfileFile::CProfileFile(std::size_t growthStep)
    : growthStep_(std::max<std::size_t>(growthStep, 1)) {}

CProfileFile::~CProfileFile() {
    if (writeBack_) {
        (void)save(makeBackup_);  // nobody is left to tell; the old file stays whole on failure
    }
}

ProfileOpenResult CProfileFile::open(const std::string& path, ProfileOpenOptions options) {
    if (isOpen()) {
        (void)save(false);
        clear();
    }
    ignoreCase_ = options.ignoreCase;
    writeBack_ = options.writeBack;
    makeBackup_ = options.makeBackup;
    errorCause_.clear();
    if (path.empty()) {
        errorCause_ = "No profile file name was given.";
        return {false, errorCause_};
    }
    std::string contents;
    if (auto failure = readProfile(path, options.createIfMissing, contents)) {
        errorCause_ = std::move(*failure);
        return {false, errorCause_};
    }
    path_ = path;
    sections_.reserve(growthStep_);
    appendSection({});
    parse(contents);
    return {true, {}};
}

void CProfileFile::parse(std::string_view contents) {
    Section* current = &sections_.front();
    while (!contents.empty()) {
        const auto end = contents.find('\n');
        const std::string_view line = stripBlanks(contents.substr(0, end));
        contents = end == contents.npos ? std::string_view{} : contents.substr(end + 1);

        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &appendSection(line.substr(1, line.size() - 2));
            continue;
        }
        const auto equals = line.find('=');
        const std::string_view key = stripBlanks(line.substr(0, equals));
        if (key.empty() || kProfileCommentStarts.find(key.front()) != kProfileCommentStarts.npos) {
            continue;
        }
        const std::string_view value =
            equals == line.npos ? std::string_view{} : stripBlanks(line.substr(equals + 1));
        current->entries.push_back({std::string(key), std::string(value)});
    }
}

CProfileFile::Section& CProfileFile::appendSection(std::string_view name) {
    if (sections_.size() == sections_.capacity()) {
        sections_.reserve(sections_.capacity() + growthStep_);
    }
    return sections_.emplace_back(Section{std::string(name), {}});
}

bool CProfileFile::sameText(std::string_view a, std::string_view b) const {
    return equalText(a, b, ignoreCase_);
}

std::optional<std::size_t> CProfileFile::sectionIndex(std::string_view name) const {
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sameText(sections_[i].name, name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> CProfileFile::entryIndex(const Section& section,
                                                    std::string_view key) const {
    for (std::size_t i = section.entries.size(); i-- > 0;) {
        if (sameText(section.entries[i].key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string CProfileFile::get(std::string_view section, std::string_view key,
                              std::string_view defaultText) const {
    const auto s = sectionIndex(section);
    if (!s) {
        return std::string(defaultText);
    }
    const Section& found = sections_[*s];
    const auto e = entryIndex(found, key);
    if (!e) {
        return std::string(stripBlanks(defaultText));
    }
    std::string_view value = found.entries[*e].value;
    for (const std::string_view cut : kProfileValueCuts) {
        value = value.substr(0, value.find(cut));
    }
    return std::string(value);
}

ProfileSetResult CProfileFile::set(std::string_view section, std::string_view key,
                                   std::string_view value) {
    if (!isOpen()) {
        return ProfileSetResult::NotOpen;
    }
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value)) {
        return ProfileSetResult::Refused;
    }
    const auto s = sectionIndex(section);
    Section& target = s ? sections_[*s] : appendSection(section);
    const auto e = entryIndex(target, key);
    if (!e) {
        target.entries.push_back({std::string(key), std::string(value)});
    } else if (target.entries[*e].value == value) {
        // Exact comparison: a change of letter case alone is a change worth writing.
        return ProfileSetResult::Unchanged;
    } else {
        target.entries[*e].value = value;
    }
    modified_ = true;
    return ProfileSetResult::Changed;
}

std::string CProfileFile::contentText() const {
    std::string text;
    for (const Section& section : sections_) {
        if (!section.name.empty()) {
            text.append("[").append(section.name).append("]").append(kLineEnd);
        }
        for (const Entry& entry : section.entries) {
            text.append(entry.key);
            if (!entry.key.empty()) {
                text.append("=");
            }
            text.append(entry.value).append(kLineEnd);
        }
    }
    return text;
}

ProfileSaveResult CProfileFile::save(bool makeBackup) {
    if (!modified_) {
        return {};
    }
    ProfileSaveResult result;
    std::error_code ignored;
    if (makeBackup && std::filesystem::exists(path_, ignored)) {
        if (backupName_.empty()) {
            backupName_ = nextBackupName(path_);
        }
        std::string old;
        const FileReadResult read = readWholeFile(path_, old, kMaxProfileSize);
        if (!read) {
            return {ProfileSaveStatus::Failed, {}, read.error};
        }
        if (const FileWriteResult copied = writeFileAtomically(backupName_, old); !copied) {
            return {ProfileSaveStatus::Failed, {}, copied.error};
        }
        result.backupName = backupName_;
    }
    if (const FileWriteResult written = writeFileAtomically(path_, contentText()); !written) {
        return {ProfileSaveStatus::Failed, result.backupName, written.error};
    }
    result.status = ProfileSaveStatus::Written;
    return result;
}

void CProfileFile::clear() {
    sections_.clear();
    sections_.shrink_to_fit();
    path_.clear();
    backupName_.clear();
    modified_ = false;
}

bool CProfileFile::deleteKey(std::string_view section, std::string_view key) {
    const auto s = sectionIndex(section);
    if (!s) {
        return false;
    }
    const auto removed = std::erase_if(
        sections_[*s].entries, [&](const Entry& entry) { return sameText(entry.key, key); });
    modified_ = modified_ || removed > 0;
    return removed > 0;
}

bool CProfileFile::deleteSection(std::string_view section) {
    bool found = false;
    for (std::size_t i = sections_.size(); i-- > 0;) {
        if (!sameText(sections_[i].name, section)) {
            continue;
        }
        found = true;
        if (i == 0) {
            sections_[0].entries.clear();  // the leading section always exists
        } else {
            sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    modified_ = modified_ || found;
    return found;
}

std::vector<std::string> CProfileFile::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        if (!section.name.empty()) {
            names.push_back(section.name);
        }
    }
    return names;
}

std::vector<std::string> CProfileFile::keys(std::string_view section) const {
    std::vector<std::string> names;
    if (const auto s = sectionIndex(section)) {
        for (const Entry& entry : sections_[*s].entries) {
            names.push_back(entry.key);
        }
    }
    return names;
}

std::string CProfileFile::element(std::string_view section, std::string_view key, std::size_t index,
                                  char separator) const {
    const std::string value = get(section, key);
    if (value.empty() || value == "(null)") {
        return {};
    }
    std::string_view rest = value;
    for (std::size_t i = 0; i < index; ++i) {
        const auto next = rest.find(separator);
        if (next == rest.npos) {
            return {};
        }
        rest = rest.substr(next + 1);
    }
    return std::string(stripBlanks(rest.substr(0, rest.find(separator))));
}

std::string profilePathFor(std::string_view fileName, std::string_view programDirectory) {
    if (fileName.starts_with('/')) {
        return std::string(fileName);
    }
    return std::string(programDirectory).append(fileName);
}

std::string nextBackupName(const std::string& path) {
    const std::filesystem::path file(path);
    const std::string name = file.filename().string();
    const std::string stem = name.substr(0, name.rfind('.'));
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    std::size_t largest = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (candidate.starts_with(stem)) {
            largest = std::max(largest, backupNumberOf(candidate));
        }
    }
    std::string digits = std::to_string(largest + 1);
    if (digits.size() < kBackupDigits) {
        digits.insert(0, kBackupDigits - digits.size(), '0');
    }
    return path + "." + digits;
}

}  // namespace kw
