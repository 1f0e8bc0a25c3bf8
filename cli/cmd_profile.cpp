#include <array>

#include "commands.h"
#include "document_lock.h"
#include "exit_status.h"
#include "platform/program_files.h"
#include "platform/settings_store.h"
#include "profile/profile_entry_rules.h"
#include "profile/profile_file.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{{"backup", false}}};
constexpr std::string_view kUsage =
    "FILE (get SECTION KEY [DEFAULT] | set SECTION KEY VALUE [--backup])";

int badUsage(CommandContext& context, std::string_view problem) {
    context.err << problem << " Usage: kwprog-cli profile " << kUsage << '\n';
    return kBadInput;
}

// Names compare without regard to case, as the program opens its own profile. A missing
// file is not created: a script that only asks leaves nothing behind, and a set creates
// it with its save.
bool openProfile(CProfileFile& profile, const std::string& path, bool backup,
                 CommandContext& context) {
    const ProfileOpenResult opened =
        profile.open(path, {.ignoreCase = true, .makeBackup = backup, .createIfMissing = false});
    if (!opened) {
        context.err << opened.error << '\n';
    }
    return opened.ok;
}

int runGet(const std::vector<std::string>& words, const std::string& path,
           CommandContext& context) {
    CProfileFile profile;
    if (!openProfile(profile, path, false, context)) {
        return kBadInput;
    }
    context.out << profile.get(words[2], words[3], words.size() > 4 ? words[4] : "") << '\n';
    return kDone;
}

int runSet(const std::vector<std::string>& words, const std::string& path, bool backup,
           CommandContext& context) {
    if (const auto reason = unreadableEntryReason(words[3], words[4])) {
        context.err << "Cannot set: " << *reason << ", so it could never be read back; \"" << path
                    << "\" was left as it was.\n";
        return kRefused;
    }
    const auto lock = lockForChange(path, context);
    if (!lock) {
        return kBadInput;
    }
    CProfileFile profile;
    if (!openProfile(profile, path, backup, context)) {
        return kBadInput;
    }
    if (profile.set(words[2], words[3], words[4]) == ProfileSetResult::Refused) {
        context.err << "A section, key or value must not hold a line break; \"" << path
                    << "\" was left as it was.\n";
        return kRefused;
    }
    const ProfileSaveResult saved = profile.save(backup);
    if (saved.status == ProfileSaveStatus::Failed) {
        context.err << saved.error << '\n';
        return kBadInput;
    }
    return kDone;
}

int runProfile(const Arguments& arguments, CommandContext& context) {
    const std::vector<std::string>& words = arguments.positionals();
    // A bare name is the program's own profile, found where the desktop program finds it.
    const ProgramFiles files(context.programDirectory, userConfigHome());
    const std::string& action = words[1];
    const bool backup = arguments.has("backup");
    if (action == "get") {
        if (backup) {
            return badUsage(context, "Only set makes a backup.");
        }
        return runGet(words, files.profileToRead(words[0]), context);
    }
    if (action == "set") {
        if (words.size() != 5) {
            return badUsage(context, "Wrong number of arguments.");
        }
        return runSet(words, files.placeProfile(words[0]).path, backup, context);
    }
    return badUsage(context, "Unknown profile action \"" + action + "\"; use get or set.");
}

}  // namespace

constexpr std::array<OptionHelp, 1> kHelp{
    {{"--backup", "copy the old file to the next numbered backup before a set"}}};
constexpr std::array<std::string_view, 2> kExamples{
    "kwprog-cli profile Program.ini get English Company",
    "kwprog-cli profile Program.ini set English Company \"Acme\" --backup"};

const Command kProfileCommand{
    "profile",
    kUsage,
    kOptions,
    4,
    5,
    runProfile,
    {"Reads or changes a key of Program.ini as the program does.", kHelp, kExamples, {}}};

}  // namespace kw::cli
