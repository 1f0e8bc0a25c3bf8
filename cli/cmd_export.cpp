#include "channels/channel_csv.h"
#include "commands.h"
#include "document_io.h"
#include "exit_status.h"
#include "output_target.h"

namespace kw::cli {
namespace {

// "-" is standard output.
int runExport(const Arguments& arguments, CommandContext& context) {
    const std::string& output = arguments.positionals()[1];
    if (isAnInput(output, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    const auto view = openDocument(arguments.positionals()[0], context);
    if (!view) {
        return kBadInput;
    }
    if (output == "-") {
        context.out << channelsCsv(view->grid);
        return kDone;
    }
    const FileWriteResult written = writeTextOutput(output, channelsCsv(view->grid));
    if (!written) {
        context.err << written.error << '\n';
        return kBadInput;
    }
    return kDone;
}

}  // namespace

const Command kExportCommand{"export", "FILE OUT.csv", {}, 2, 2, runExport};

}  // namespace kw::cli
