// Any Program.ini, then changes chosen by the input and a save into a temporary folder.
// Reading must stay inside the text, a refused change must change nothing, and a plain
// value that was set must read back from the saved file.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "profile/profile_file.h"
#include "profile/profile_text.h"

namespace {

using kw::fuzz::expect;

// One folder for the whole run, removed when the run ends; in memory where there is such
// a file system, as every save waits for the disk.
const std::string& profilePath() {
    static const std::string path = [] {
        std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        pattern += "/kwfuzz-profile-XXXXXX";
        char* folder = pattern.data();
        if (::mkdtemp(folder) == nullptr) {
            kw::fuzz::fail("no temporary folder");
        }
        static const std::string made = folder;
        std::atexit([] { std::filesystem::remove_all(made); });
        return made + "/Program.ini";
    }();
    return path;
}

bool hasEdgeBlank(std::string_view text) {
    return kw::stripBlanks(text).size() != text.size();
}

// Keys and values that the file's line format carries unchanged.
bool plainKey(std::string_view key) {
    return !key.empty() && !hasEdgeBlank(key) && key.find_first_of("=\r\n") == key.npos &&
           std::string_view(";/\\*[").find(key.front()) == std::string_view::npos;
}
bool plainValue(std::string_view value) {
    return !hasEdgeBlank(value) && value.find_first_of("\r\n") == value.npos &&
           value.find("//") == value.npos && value.find("\t;") == value.npos &&
           value.find("/*") == value.npos;
}

// Such a header is not written back, so its entries join the section before it and
// may then hide a value set there.
bool hasEmptySectionHeader(std::string_view contents) {
    while (!contents.empty()) {
        const auto end = contents.find('\n');
        if (kw::stripBlanks(contents.substr(0, end)) == "[]") {
            return true;
        }
        contents = end == contents.npos ? std::string_view{} : contents.substr(end + 1);
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string path = profilePath();
    const std::string contents = input.ConsumeRandomLengthString(4096);
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    }
    kw::CProfileFile profile(input.ConsumeIntegralInRange<std::size_t>(0, 3));
    kw::ProfileOpenOptions options;
    options.ignoreCase = input.ConsumeBool();
    options.createIfMissing = false;
    expect(static_cast<bool>(profile.open(path, options)), "an existing file opens");

    struct Stored {
        std::string section, key, value;
    };
    std::vector<Stored> stored;
    const auto forget = [&](std::string_view section, std::string_view key) {
        std::erase_if(stored, [&](const Stored& s) {
            return kw::equalText(s.section, section, options.ignoreCase) &&
                   kw::equalText(s.key, key, options.ignoreCase);
        });
    };
    const int changes = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < changes; ++i) {
        const std::string section = input.ConsumeRandomLengthString(16);
        const std::string key = input.ConsumeRandomLengthString(16);
        const std::string value = input.ConsumeRandomLengthString(32);
        (void)profile.get(section, key, value);
        (void)profile.element(section, key, input.ConsumeIntegralInRange<std::size_t>(0, 4),
                              input.ConsumeIntegral<char>());
        if (input.ConsumeBool()) {
            (void)profile.deleteKey(section, key);
            forget(section, key);
            continue;
        }
        const bool lineBreak = (section + key + value).find_first_of("\r\n") != std::string::npos;
        if (!lineBreak && !plainKey(key)) {
            continue;  // such a key splits into another on reading; the program names its own
        }
        const bool wasModified = profile.isModified();
        const kw::ProfileSetResult result = profile.set(section, key, value);
        if (lineBreak) {
            expect(result == kw::ProfileSetResult::Refused, "a line break is refused");
            expect(profile.isModified() == wasModified, "a refused change marks nothing");
            continue;
        }
        expect(result != kw::ProfileSetResult::NotOpen, "the profile is open");
        forget(section, key);
        if (plainValue(value)) {
            expect(profile.get(section, key) == value, "a set value reads back at once");
            stored.push_back({section, key, value});
        }
    }
    for (const std::string& name : profile.sectionNames()) {
        (void)profile.keys(name);
    }
    const kw::ProfileSaveResult saved = profile.save(false);
    expect(saved.status != kw::ProfileSaveStatus::Failed, "a save into a temporary folder works");

    kw::CProfileFile reread;
    expect(static_cast<bool>(reread.open(path, options)), "the saved file opens");
    if (hasEmptySectionHeader(contents)) {
        return 0;
    }
    for (const Stored& s : stored) {
        expect(reread.get(s.section, s.key) == s.value, "a set value reads back after the save");
    }
    return 0;
}
