#include <array>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "transfer_run.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 2> kOptions{{kPortOption, kRetryOption}};

int runWrite(const Arguments& arguments, CommandContext& context) {
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    return runTransfer(TransferDirection::Write, document, arguments, context);
}

}  // namespace

const Command kWriteCommand{"write", "--port PORT FILE.dat [--retry N]", kOptions, 1, 1, runWrite};

}  // namespace kw::cli
