#include "channels/channel_csv.h"
#include "commands.h"
#include "document_report.h"
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
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    if (output == "-") {
        context.out << channelsCsv(document.grid());
        return kDone;
    }
    const FileWriteResult written = writeTextOutput(output, channelsCsv(document.grid()));
    if (!written) {
        context.err << written.error << '\n';
        return kBadInput;
    }
    return kDone;
}

}  // namespace

constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli export radio.dat channels.csv",
                                                    "kwprog-cli export fleet/a.dat /tmp/a.csv"};

const Command kExportCommand{
    "export",
    "FILE OUT.csv",
    {},
    2,
    2,
    runExport,
    {"Saves the channel table as CSV: a title line, then channels 1-128 and Fr.",
     {},
     kExamples,
     {}}};

}  // namespace kw::cli
