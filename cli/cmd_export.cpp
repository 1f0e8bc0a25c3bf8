#include <array>

#include "channels/channel_csv.h"
#include "channels/chirp_csv.h"
#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "format_option.h"
#include "language_option.h"
#include "output_target.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 2> kOptions{{kLanguageOption, kFormatOption}};

// "-" is standard output.
int runExport(const Arguments& arguments, CommandContext& context) {
    const std::string& output = arguments.positionals()[1];
    if (isAnInput(output, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    const auto language = languageOption(arguments, context);
    const auto format =
        language ? formatOption(arguments, kChannelListFormats, context) : std::nullopt;
    if (!format) {
        return kBadInput;
    }
    DocumentSession document(context.product, *language);
    if (!openDocument(document, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    const std::string csv =
        *format == OutputFormat::Chirp ? chirpCsv(document.grid()) : channelsCsv(document.grid());
    if (output == "-") {
        context.out << csv;
        return kDone;
    }
    const FileWriteResult written = writeTextOutput(output, csv);
    if (!written) {
        context.err << written.error << '\n';
        return kBadInput;
    }
    return kDone;
}

}  // namespace

constexpr std::array<OptionHelp, 2> kHelp{
    {kLanguageHelp,
     {"--format csv|chirp", "our channel table (the default), or CHIRP's CSV of the channels"}}};
constexpr std::array<std::string_view, 3> kExamples{
    "kwprog-cli export radio.dat channels.csv", "kwprog-cli export radio.dat - --lang zh",
    "kwprog-cli export radio.dat chirp.csv --format chirp"};
constexpr std::string_view kDetails =
    "CHIRP's CSV holds channels 1-128 that are in use, by Location, with Frequency and Offset\n"
    "in MHz; Fr and Busy Lock are not in it, and --lang does not change it.\n";

const Command kExportCommand{
    "export",
    "FILE OUT.csv [--lang en|zh] [--format csv|chirp]",
    kOptions,
    2,
    2,
    runExport,
    {"Saves the channel table as CSV: a title line, then channels 1-128 and Fr.", kHelp, kExamples,
     kDetails}};

}  // namespace kw::cli
