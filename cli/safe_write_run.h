#pragma once
// What write and restore share: a safe write of an image on the real serial port, with
// the terminal as its user (a bar per step, the changes, the question) and the exit
// status of its outcome.

#include "command.h"
#include "model/radio_image.h"
#include "session/safe_write.h"
#include "transfer_run.h"

namespace kw::cli {

inline constexpr Option kNoBackupOption{"no-backup", false};
inline constexpr Option kNoVerifyOption{"no-verify", false};
inline constexpr Option kYesOption{"yes", false};
inline constexpr Option kDryRunOption{"dry-run", false};
inline constexpr OptionHelp kNoBackupHelp{
    "--no-backup", "write without reading the radio first (no backup, no changes shown)"};
inline constexpr OptionHelp kNoVerifyHelp{"--no-verify", "do not read the radio back to compare"};
inline constexpr OptionHelp kYesHelp{"--yes", "do not ask before writing"};
inline constexpr OptionHelp kDryRunHelp{"--dry-run",
                                        "take the backup and show the changes, but write nothing"};

// --no-backup, --no-verify and --dry-run.
[[nodiscard]] SafeWriteOptions safeWriteOptionsOf(const Arguments& arguments);
// The user's backups folder and how long backups are kept; the command's file (the one
// written to the radio, maybe an old backup being restored) is never pruned.
[[nodiscard]] BackupPlace userBackupPlaceOf(const Arguments& arguments,
                                            const CommandContext& context);

// Backs the radio up, shows the changes to `image`, asks on a terminal, writes `image`
// exactly as it is and reads it back. Returns the exit status; reports on the streams.
[[nodiscard]] int runSafeWrite(const RadioImage& image, const Arguments& arguments,
                               CommandContext& context);

}  // namespace kw::cli
