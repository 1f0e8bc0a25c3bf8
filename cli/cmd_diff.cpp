#include <array>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "format_option.h"
#include "json_text.h"
#include "language_option.h"
#include "radio_read.h"
#include "session/image_differences.h"
#include "session/safe_write.h"
#include "trace_option.h"
#include "transfer_run.h"

namespace kw::cli {
namespace {

// diff's own meaning of status 1: the two differ.
constexpr int kDiffer = 1;

constexpr std::array<Option, 7> kOptions{{kLanguageOption, kFormatOption, kPortOption,
                                          kPasswordOption, kRetryOption, kQuietOption,
                                          kTraceOption}};

void printDifferences(const std::vector<ImageDifference>& differences, OutputFormat format,
                      std::ostream& out) {
    if (format != OutputFormat::Json) {
        for (const ImageDifference& difference : differences) {
            out << differenceLine(difference) << '\n';
        }
        return;
    }
    std::vector<std::string> items;
    for (const ImageDifference& difference : differences) {
        items.push_back(jsonObject({{"where", jsonString(difference.where)},
                                    {"what", jsonString(difference.what)},
                                    {"from", jsonString(difference.from)},
                                    {"to", jsonString(difference.to)}}));
    }
    out << jsonArray(items) << '\n';
}

// The document's image as its file holds it, or none when the open check refuses it.
std::optional<RadioImage> documentImage(const std::string& path, CommandContext& context) {
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, path, context)) {
        return std::nullopt;
    }
    return document.image();
}

int runDiff(const Arguments& arguments, CommandContext& context) {
    const auto language = languageOption(arguments, context);
    const auto format = language ? formatOption(arguments, kReportFormats, context) : std::nullopt;
    if (!format) {
        return kBadInput;
    }
    const bool fromRadio = arguments.has(kPortOption.name);
    if (arguments.positionals().size() != (fromRadio ? 1u : 2u)) {
        context.err << (fromRadio ? "With --port, name one document: the radio is B.\n"
                                  : "Name two documents, or one and the radio with --port.\n");
        return kBadInput;
    }
    const auto from = documentImage(arguments.positionals()[0], context);
    if (!from) {
        return kBadInput;
    }
    std::optional<RadioImage> to;
    if (fromRadio) {
        RadioImage memory{};
        if (const int status = readRadioMemory(*from, memory, arguments, context);
            status != kDone) {
            return status;
        }
        // Only what a Read brings is compared: the rest is A's own.
        to = withReadBytes(*from, memory);
    } else {
        to = documentImage(arguments.positionals()[1], context);
    }
    if (!to) {
        return kBadInput;
    }
    const std::vector<ImageDifference> differences = imageDifferences(*from, *to, *language);
    printDifferences(differences, *format, context.out);
    return differences.empty() ? kDone : kDiffer;
}

}  // namespace

constexpr std::array<OptionHelp, 7> kHelp{
    {kLanguageHelp,
     {"--format text|json", "one line per difference (the default), or a JSON array"},
     {"--port PORT", "B is the radio on this port, read as a Read reads it"},
     {"--password DIGITS", "the radio's password, when it is not A's"},
     kRetryHelp,
     kQuietHelp,
     kTraceHelp}};
constexpr std::array<std::string_view, 3> kExamples{
    "kwprog-cli diff before.dat after.dat", "kwprog-cli diff --port /dev/ttyUSB0 radio.dat",
    "kwprog-cli diff fleet/uhf.dat radio.dat --lang zh --format json"};

constexpr std::string_view kDetails =
    "One line per difference: the channel cells (channels 1-128, then Fr), the optional\n"
    "features in the dialog's order, the model and band, and last a count of any other bytes\n"
    "that differ. A changed password is said to be changed, never shown. Exits 0 when the two\n"
    "agree, 1 when they differ, 2 for a file it cannot open, 3 when the radio fails.\n";

const Command kDiffCommand{
    "diff",
    "A.dat (B.dat | --port PORT [--password DIGITS] [--trace FILE]) [--lang en|zh] "
    "[--format text|json]",
    kOptions,
    1,
    2,
    runDiff,
    {"Lists what differs from document A to document B, in the words the "
     "program shows.",
     kHelp, kExamples, kDetails}};

}  // namespace kw::cli
