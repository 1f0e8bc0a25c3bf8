#include <array>

#include "cell_refusal.h"
#include "channels/channel_csv.h"
#include "commands.h"
#include "document_lock.h"
#include "document_report.h"
#include "exit_status.h"
#include "format_option.h"
#include "output_target.h"
#include "session/chirp_import.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 3> kOptions{{{"replace", false}, kFormatOption, {"skip-bad", false}}};
constexpr std::size_t kLargestCsv = 1u << 20;  // far above 129 rows of nine cells

// Lines the radio cannot hold are listed; without --skip-bad nothing is imported.
int takeChirpCsv(DocumentSession& document, const std::string& csv, const std::string& csvPath,
                 const Arguments& arguments, CommandContext& context) {
    ChirpImport imported = prepareChirpImport(document, csv, arguments.has("replace"));
    if (!imported) {
        context.err << "Cannot import \"" << csvPath << "\": " << imported.error << '\n';
        return kBadInput;
    }
    const bool skipBad = arguments.has("skip-bad");
    for (const ChirpRefusal& refusal : imported.refused) {
        context.err << (skipBad ? "Warning: \"" : "Cannot import \"") << csvPath << "\" line "
                    << refusal.line
                    << (refusal.column.empty() ? "" : ", column \"" + refusal.column + '"') << ": "
                    << refusal.reason << '\n';
    }
    if (!imported.refused.empty() && !skipBad) {
        context.err << "Nothing imported: the radio cannot hold " << imported.refused.size()
                    << (imported.refused.size() == 1 ? " line" : " lines")
                    << "; --skip-bad imports the rest.\n";
        return kRefused;
    }
    takeChirpImport(document, std::move(imported));
    return kDone;
}

int runImport(const Arguments& arguments, CommandContext& context) {
    const std::string& path = arguments.positionals()[0];
    const std::string& csvPath = arguments.positionals()[1];
    if (isAnInput(path, csvPath, context)) {
        return kBadInput;
    }
    const auto format = formatOption(arguments, kChannelListFormats, context);
    if (!format) {
        return kBadInput;
    }
    if (arguments.has("skip-bad") && *format != OutputFormat::Chirp) {
        context.err << "--skip-bad is for --format chirp: our own CSV goes in whole or not at "
                       "all.\n";
        return kBadInput;
    }
    const auto lock = lockForChange(path, context);
    if (!lock) {
        return kBadInput;
    }
    std::string csv;
    if (const FileReadResult read = readWholeFile(csvPath, csv, kLargestCsv); !read) {
        context.err << read.error << '\n';
        return kBadInput;
    }
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, path, context)) {
        return kBadInput;
    }
    if (*format == OutputFormat::Chirp) {
        const int status = takeChirpCsv(document, csv, csvPath, arguments, context);
        if (status != kDone) {
            return status;
        }
        return saveDocument(document, path, context) ? kDone : kBadInput;
    }
    const CsvImportResult imported = importChannelsCsv(csv, document.grid(), document.editors(),
                                                       context.product, arguments.has("replace"));
    switch (imported.status) {
        case CsvImportStatus::Malformed:
            context.err << "Cannot import \"" << csvPath << "\": " << imported.error << '\n';
            return kBadInput;
        case CsvImportStatus::Rejected:
            context.err << "Cannot import \"" << csvPath << "\": "
                        << (imported.line ? "line " + std::to_string(imported.line) + ", " : "")
                        << "row " << rowTitle(imported.cell.row) << ", column "
                        << imported.cell.column << " \""
                        << columnTitle(imported.cell.column, Language::English) << "\": "
                        << (imported.error.empty()
                                ? refusalReason(imported.edit, document.editors(), imported.cell,
                                                imported.value, context.product.limitsMhz())
                                : imported.error)
                        << '\n';
            return kRefused;
        case CsvImportStatus::Imported:
            break;
    }
    for (const ChangedValue& change : imported.changes) {
        context.err << changedValueWarning(change, Language::English) << '\n';
    }
    return saveDocument(document, path, context) ? kDone : kBadInput;
}

}  // namespace

constexpr std::array<OptionHelp, 3> kHelp{
    {{"--replace", "clear the channels of the rows the file does not hold"},
     {"--format csv|chirp", "our channel table (the default), or CHIRP's CSV"},
     {"--skip-bad", "with chirp: import the lines the radio can hold, warn of the others"}}};
constexpr std::string_view kDetails =
    "The first line names the columns, in either language, any order and letter case; an\n"
    "optional first column CH (1-128 or Fr) says which row each line is, else the lines are\n"
    "rows 1, 2, ... Rows the file does not hold stay as they are. Empty cells of a new\n"
    "channel keep its defaults. A leading byte-order mark is skipped.\n"
    "CHIRP's CSV is read by column name; its Locations are channels 1-128 (a file that\n"
    "starts at 0 is moved up by one), and Fr is left as it is. Each line is one channel\n"
    "that goes in whole or not at all; the lines the radio cannot hold are listed with\n"
    "their line number and column, and without --skip-bad nothing is imported (exit 1).\n";
constexpr std::array<std::string_view, 3> kExamples{
    "kwprog-cli import radio.dat channels.csv",
    "kwprog-cli import radio.dat five-channels.csv --replace",
    "kwprog-cli import radio.dat chirp.csv --format chirp --skip-bad"};

const Command kImportCommand{
    "import",
    "FILE IN.csv [--replace] [--format csv|chirp] [--skip-bad]",
    kOptions,
    2,
    2,
    runImport,
    {"Puts a CSV channel table into the document as typing it would; all or nothing.", kHelp,
     kExamples, kDetails}};

}  // namespace kw::cli
