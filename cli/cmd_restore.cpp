#include <array>

#include "commands.h"
#include "exit_status.h"
#include "model/document_file.h"
#include "radio_read.h"
#include "safe_write_run.h"
#include "trace_option.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 9> kOptions{{kPortOption, kPasswordOption, kNoBackupOption,
                                          kNoVerifyOption, kYesOption, kDryRunOption, kRetryOption,
                                          kQuietOption, kTraceOption}};

// A backup goes back exactly as it was read: its bytes, with no grid in between.
int runRestore(const Arguments& arguments, CommandContext& context) {
    const std::string& path = arguments.positionals()[0];
    RadioImage image{};
    const DocumentLoadResult loaded = loadDocumentFile(path, image);
    if (!loaded) {
        context.err << "Cannot open \"" << path << "\": " << loaded.error << '\n';
        return kBadInput;
    }
    return runSafeWrite(image, arguments, context);
}

}  // namespace

constexpr std::array<OptionHelp, 9> kHelp{
    {kPortHelp,
     {"--password DIGITS", "the radio's password now, when it is not the backup's"},
     kNoBackupHelp,
     kNoVerifyHelp,
     kYesHelp,
     kDryRunHelp,
     kRetryHelp,
     kQuietHelp,
     kTraceHelp}};
constexpr std::array<std::string_view, 2> kExamples{
    "kwprog-cli restore --port COM1 ~/.local/share/kwprog/backups/KW-217V-20261208-143501.dat",
    "kwprog-cli restore --port /dev/ttyUSB0 \"$(kwprog-cli backups | head -n 1 | cut -f 3)\""};

const Command kRestoreCommand{
    "restore",
    "--port PORT BACKUP.dat [--password DIGITS] [--no-backup] [--no-verify] [--yes] [--dry-run] "
    "[--retry N] [--quiet] [--trace FILE]",
    kOptions,
    1,
    1,
    runRestore,
    {"Puts a backup back into the radio byte for byte, as a write does: backs up what the "
     "radio holds now, shows the changes, asks, writes and reads it back to compare.",
     kHelp,
     kExamples,
     {}}};

}  // namespace kw::cli
