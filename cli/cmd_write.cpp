#include <array>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "link/transfer_commands.h"
#include "parallel_run.h"
#include "safe_write_run.h"
#include "trace_option.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 8> kOptions{{kPortsOption, kNoBackupOption, kNoVerifyOption,
                                          kYesOption, kDryRunOption, kRetryOption, kQuietOption,
                                          kTraceOption}};

// The document goes through the Write command's commits, then into a safe write.
int runWrite(const Arguments& arguments, CommandContext& context) {
    const auto image = imageToWrite(arguments.positionals()[0], context);
    if (!image) {
        return kBadInput;
    }
    return arguments.values(kPortsOption.name).size() > 1
               ? runParallelWrite(*image, arguments, context)
               : runSafeWrite(*image, arguments, context);
}

}  // namespace

constexpr std::array<OptionHelp, 8> kHelp{{kPortHelp, kNoBackupHelp, kNoVerifyHelp, kYesHelp,
                                           kDryRunHelp, kRetryHelp, kQuietHelp, kTraceHelp}};
constexpr std::array<std::string_view, 3> kExamples{
    "kwprog-cli write --port COM1 radio.dat",
    "kwprog-cli write --port /dev/ttyUSB0 radio.dat --dry-run",
    "kwprog-cli write --port /dev/serial/by-id/usb-cable radio.dat --yes --retry 3"};

const Command kWriteCommand{
    "write",
    "--port PORT [--port PORT ...] FILE.dat [--no-backup] [--no-verify] [--yes] [--dry-run] "
    "[--retry N] [--quiet] "
    "[--trace FILE]",
    kOptions,
    1,
    1,
    runWrite,
    {"Writes the document into the radio: backs the radio up, shows the changes, asks, "
     "writes and reads it back to compare.",
     kHelp, kExamples,
     "Exit status 3 when the radio fails or the read-back differs, 4 when the question is "
     "answered No.\n"
     "With --port given more than once the document goes into every radio at once, each a\n"
     "safe write of its own, without a question; a line per port as each ends, then the\n"
     "ports that failed.\n"}};

}  // namespace kw::cli
