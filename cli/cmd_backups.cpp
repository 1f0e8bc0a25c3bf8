#include <array>

#include "commands.h"
#include "exit_status.h"
#include "session/radio_backups.h"

namespace kw::cli {
namespace {

int runBackups(const Arguments&, CommandContext& context) {
    for (const BackupEntry& backup : listBackups(userBackupsFolder())) {
        context.out << backupTimeText(backup.time) << '\t' << backup.model << '\t' << backup.path
                    << '\n';
    }
    return kDone;
}

}  // namespace

constexpr std::array<std::string_view, 2> kExamples{
    "kwprog-cli backups", "kwprog-cli backups | grep KW-217U | head -n 1"};

const Command kBackupsCommand{
    "backups",
    "",
    {},
    0,
    0,
    runBackups,
    {"Lists the backups taken before each write, newest first: time, model and file, "
     "separated by tabs.",
     {},
     kExamples,
     "They are in $XDG_DATA_HOME/kwprog/backups (~/.local/share/kwprog/backups when unset);\n"
     "backups older than the BackupDays setting (365 days) go at each new backup.\n"}};

}  // namespace kw::cli
