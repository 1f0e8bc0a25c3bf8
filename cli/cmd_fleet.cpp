#include <array>

#include "commands.h"
#include "exit_status.h"
#include "parallel_run.h"
#include "safe_write_run.h"
#include "trace_option.h"
#include "transfer_run.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 8> kOptions{{kPortsOption,
                                          {"count"},
                                          {"log"},
                                          kNoVerifyOption,
                                          kRetryOption,
                                          kQuietOption,
                                          kTraceOption,
                                          kNoBackupOption}};

int runFleet(const Arguments& arguments, CommandContext& context) {
    const auto image = imageToWrite(arguments.positionals()[0], context);
    return image ? runFleetWrite(*image, arguments, context) : kBadInput;
}

}  // namespace

constexpr std::array<OptionHelp, 8> kHelp{
    {{"--port PORT", "a port radios are plugged into; give it once for each cable"},
     {"--count N", "stop after N radios in all (default: at Ctrl-C)"},
     {"--log FLEET.csv", "append a line per radio: time,port,radio,model,result,seconds,backup"},
     kNoVerifyHelp,
     kRetryHelp,
     kQuietHelp,
     kTraceHelp,
     kNoBackupHelp}};
constexpr std::array<std::string_view, 2> kExamples{
    "kwprog-cli fleet --port /dev/ttyUSB0 --port /dev/ttyUSB1 radio.dat --log fleet.csv",
    "kwprog-cli fleet --port COM1 radio.dat --count 20"};

const Command kFleetCommand{
    "fleet",
    "--port PORT [--port PORT ...] FILE.dat [--count N] [--log FLEET.csv] [--no-backup] "
    "[--no-verify] [--retry N] [--quiet] [--trace FILE]",
    kOptions,
    1,
    1,
    runFleet,
    {"Writes the document into radio after radio: on each port it waits for a radio to answer, "
     "backs it up, writes and verifies it, and waits for it to be unplugged.",
     kHelp, kExamples,
     "Nothing is asked: the changes are written and a radio that does not answer is waited\n"
     "for. Ctrl-C ends the fleet, cancelling the radios in progress. Exit status 0 when every\n"
     "radio was written, 3 when any failed, 4 when one was cancelled. A port that cannot be\n"
     "opened at the start (no such device, not a serial line, no permission) is named and\n"
     "ends the command with 3 before any radio.\n"}};

}  // namespace kw::cli
