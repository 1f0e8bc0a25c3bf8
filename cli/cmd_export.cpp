#include "channels/channel_csv.h"
#include "commands.h"
#include "document_report.h"
#include "exit_status.h"

namespace kw::cli {
namespace {

int runExport(const Arguments& arguments, CommandContext& context) {
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    const FileWriteResult written =
        writeFileAtomically(arguments.positionals()[1], channelsCsv(document.grid()));
    if (!written) {
        context.err << written.error << '\n';
        return kBadInput;
    }
    return kDone;
}

}  // namespace

const Command kExportCommand{"export", "FILE OUT.csv", {}, 2, 2, runExport};

}  // namespace kw::cli
