#include <array>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "trace_option.h"
#include "transfer_run.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 4> kOptions{{kPortOption, kRetryOption, kQuietOption, kTraceOption}};

int runWrite(const Arguments& arguments, CommandContext& context) {
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    return runTransfer(TransferDirection::Write, document, arguments, context);
}

}  // namespace

constexpr std::array<OptionHelp, 4> kHelp{{kPortHelp, kRetryHelp, kQuietHelp, kTraceHelp}};
constexpr std::array<std::string_view, 2> kExamples{
    "kwprog-cli write --port COM1 radio.dat",
    "kwprog-cli write --port /dev/serial/by-id/usb-cable radio.dat --retry 3"};

const Command kWriteCommand{
    "write",  "--port PORT FILE.dat [--retry N] [--quiet] [--trace FILE]",  kOptions, 1, 1,
    runWrite, {"Writes the document into the radio.", kHelp, kExamples, {}}};

}  // namespace kw::cli
