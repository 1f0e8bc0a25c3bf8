#include <array>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "transfer_run.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 3> kOptions{{kPortOption, {"into"}, kRetryOption}};

// The radio goes into the --into document (whose password the radio must have) or a new
// one; only a complete Read is saved, so a failure leaves no output file.
int runRead(const Arguments& arguments, CommandContext& context) {
    DocumentSession document(context.product, Language::English);
    if (arguments.has("into")) {
        if (!openDocument(document, arguments.value("into"), context)) {
            return kBadInput;
        }
    } else {
        document.newDocument({});
    }
    const int status = runTransfer(TransferDirection::Read, document, arguments, context);
    if (status != kDone) {
        return status;
    }
    return saveDocument(document, arguments.positionals()[0], context) ? kDone : kBadInput;
}

}  // namespace

const Command kReadCommand{
    "read", "--port PORT OUT.dat [--into DOC.dat] [--retry N]", kOptions, 1, 1, runRead};

}  // namespace kw::cli
