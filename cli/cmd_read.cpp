#include <array>

#include "base/file_stamp.h"
#include "commands.h"
#include "document_lock.h"
#include "document_report.h"
#include "exit_status.h"
#include "features/password_text.h"
#include "output_target.h"
#include "trace_option.h"
#include "transfer_run.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 7> kOptions{
    {kPortOption, {"into"}, {"password"}, kRetryOption, kForceOption, kQuietOption, kTraceOption}};

// The radio goes into the --into document or a new one, whose password (or --password)
// the radio must have; only a complete Read is saved, so a failure leaves no output file. The
// output is checked before the radio is asked for anything.
int runRead(const Arguments& arguments, CommandContext& context) {
    const std::string& output = arguments.positionals()[0];
    if (cannotSaveTo(output, context)) {
        return kBadInput;
    }
    const auto lock = lockForChange(output, context);
    if (!lock) {
        return kBadInput;
    }
    const bool intoItself = arguments.has("into") && sameFile(arguments.value("into"), output);
    if (!intoItself && wouldReplaceUnforced(output, arguments, context)) {
        return kRefused;
    }
    DocumentSession document(context.product, Language::English);
    if (arguments.has("into")) {
        if (!openDocument(document, arguments.value("into"), context)) {
            return kBadInput;
        }
    } else {
        document.newDocument({});
    }
    if (arguments.has("password")) {
        const std::string password = arguments.value("password");
        if (!isValidPassword(password)) {
            context.err << "--password takes up to 6 digits, not \"" << password << "\".\n";
            return kBadInput;
        }
        writePassword(document.image(), password);
    }
    const int status = runTransfer(TransferDirection::Read, document, arguments, context);
    if (status != kDone) {
        return status;
    }
    return saveDocument(document, output, context) ? kDone : kBadInput;
}

}  // namespace

constexpr std::array<OptionHelp, 7> kHelp{
    {kPortHelp,
     {"--into DOC.dat", "start from this document, which holds the radio's password"},
     {"--password DIGITS", "the radio's password (0-6 digits), without a document holding it"},
     kRetryHelp,
     kForceHelp,
     kQuietHelp,
     kTraceHelp}};
constexpr std::array<std::string_view, 3> kExamples{
    "kwprog-cli read --port COM1 radio.dat",
    "kwprog-cli read --port /dev/ttyUSB0 radio.dat --into old.dat --retry 3 --force",
    "kwprog-cli read --port COM2 locked.dat --password 123456"};

const Command kReadCommand{
    "read",
    "--port PORT OUT.dat [--into DOC.dat] [--password DIGITS] [--retry N] [--force] [--quiet] "
    "[--trace FILE]",
    kOptions,
    1,
    1,
    runRead,
    {"Reads a radio's memory into a new document, or into a copy of --into's.",
     kHelp,
     kExamples,
     {}}};

}  // namespace kw::cli
