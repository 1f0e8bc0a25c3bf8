#include <array>

#include "cell_refusal.h"
#include "channels/channel_csv.h"
#include "commands.h"
#include "document_lock.h"
#include "document_report.h"
#include "exit_status.h"
#include "output_target.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{{"replace", false}}};
constexpr std::size_t kLargestCsv = 1u << 20;  // far above 129 rows of nine cells

int runImport(const Arguments& arguments, CommandContext& context) {
    const std::string& path = arguments.positionals()[0];
    const std::string& csvPath = arguments.positionals()[1];
    if (isAnInput(path, csvPath, context)) {
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

constexpr std::array<OptionHelp, 1> kHelp{
    {{"--replace", "clear the channels of the rows the file does not hold"}}};
constexpr std::string_view kDetails =
    "The first line names the columns, in either language, any order and letter case; an\n"
    "optional first column CH (1-128 or Fr) says which row each line is, else the lines are\n"
    "rows 1, 2, ... Rows the file does not hold stay as they are. Empty cells of a new\n"
    "channel keep its defaults. A leading byte-order mark is skipped.\n";
constexpr std::array<std::string_view, 2> kExamples{
    "kwprog-cli import radio.dat channels.csv",
    "kwprog-cli import radio.dat five-channels.csv --replace"};

const Command kImportCommand{
    "import",
    "FILE IN.csv [--replace]",
    kOptions,
    2,
    2,
    runImport,
    {"Puts a CSV channel table into the document as typing it would; all or nothing.", kHelp,
     kExamples, kDetails}};

}  // namespace kw::cli
