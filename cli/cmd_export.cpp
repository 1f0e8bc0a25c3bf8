#include <array>

#include "channels/channel_csv.h"
#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "language_option.h"
#include "output_target.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{kLanguageOption}};

// "-" is standard output.
int runExport(const Arguments& arguments, CommandContext& context) {
    const std::string& output = arguments.positionals()[1];
    if (isAnInput(output, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    const auto language = languageOption(arguments, context);
    if (!language) {
        return kBadInput;
    }
    DocumentSession document(context.product, *language);
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

constexpr std::array<OptionHelp, 1> kHelp{{kLanguageHelp}};
constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli export radio.dat channels.csv",
                                                    "kwprog-cli export radio.dat - --lang zh"};

const Command kExportCommand{
    "export",
    "FILE OUT.csv [--lang en|zh]",
    kOptions,
    2,
    2,
    runExport,
    {"Saves the channel table as CSV: a title line, then channels 1-128 and Fr.",
     kHelp,
     kExamples,
     {}}};

}  // namespace kw::cli
