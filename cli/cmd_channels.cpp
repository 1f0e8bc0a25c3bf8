#include <array>

#include "channels/cell_names.h"
#include "channels/csv.h"
#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "format_option.h"
#include "json_text.h"
#include "language_option.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 3> kOptions{{kLanguageOption, {"used", false}, kFormatOption}};

std::vector<std::string_view> rowTexts(const ChannelGrid& grid, int row) {
    std::vector<std::string_view> texts;
    for (int column = 0; column < kGridColumnCount; ++column) {
        texts.push_back(grid.text(row, column));
    }
    return texts;
}

std::string tsvLine(const std::vector<std::string_view>& texts) {
    std::string line;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        line += (i == 0 ? "" : "\t") + std::string(texts[i]);
    }
    return line + '\n';
}

std::string jsonChannel(const std::vector<std::string_view>& texts) {
    std::vector<std::pair<std::string_view, std::string>> members{
        {"ch", jsonString(texts[kRowTitleColumn])}};
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        members.emplace_back(columnKey(column),
                             jsonString(texts[static_cast<std::size_t>(column)]));
    }
    return jsonObject(members);
}

int runChannels(const Arguments& arguments, CommandContext& context) {
    const auto language = languageOption(arguments, context);
    const auto format = language ? formatOption(arguments, kTableFormats, context) : std::nullopt;
    if (!format) {
        return kBadInput;
    }
    DocumentSession document(context.product, *language);
    if (!openDocument(document, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    const ChannelGrid& grid = document.grid();
    const bool usedOnly = arguments.has("used");
    std::vector<std::string> channels;
    for (int row = kTitleRow; row < kGridRowCount; ++row) {
        if (usedOnly && row != kTitleRow && grid.text(row, kRxColumn).empty()) {
            continue;
        }
        const std::vector<std::string_view> texts = rowTexts(grid, row);
        if (*format == OutputFormat::Json) {
            if (row != kTitleRow) {
                channels.push_back(jsonChannel(texts));
            }
        } else {
            context.out << (*format == OutputFormat::Csv ? csvLine(texts) : tsvLine(texts));
        }
    }
    if (*format == OutputFormat::Json) {
        context.out << jsonArray(channels) << '\n';
    }
    return kDone;
}

}  // namespace

constexpr std::array<OptionHelp, 3> kHelp{
    {kLanguageHelp,
     {"--used", "only the channels with an Rx frequency (and Fr when set)"},
     {"--format tsv|csv|json", "tab-separated (the default), CSV, or a JSON array of objects"}}};
constexpr std::array<std::string_view, 3> kExamples{
    "kwprog-cli channels radio.dat", "kwprog-cli channels radio.dat --used --lang zh",
    "kwprog-cli channels radio.dat --used --format json"};

const Command kChannelsCommand{
    "channels",
    "FILE [--used] [--format tsv|csv|json] [--lang en|zh]",
    kOptions,
    1,
    1,
    runChannels,
    {"Prints the channel table: a title row, channels 1-128 and Fr, tab-separated.",
     kHelp,
     kExamples,
     {}}};

}  // namespace kw::cli
