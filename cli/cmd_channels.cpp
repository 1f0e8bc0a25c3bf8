#include <array>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "language_option.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{kLanguageOption}};

int runChannels(const Arguments& arguments, CommandContext& context) {
    const auto language = languageOption(arguments, context);
    if (!language) {
        return kBadInput;
    }
    DocumentSession document(context.product, *language);
    if (!openDocument(document, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    for (int row = kTitleRow; row < kGridRowCount; ++row) {
        for (int column = 0; column < kGridColumnCount; ++column) {
            context.out << (column ? "\t" : "") << document.grid().text(row, column);
        }
        context.out << '\n';
    }
    return kDone;
}

}  // namespace

constexpr std::array<OptionHelp, 1> kHelp{{kLanguageHelp}};
constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli channels radio.dat",
                                                    "kwprog-cli channels radio.dat --lang zh"};

const Command kChannelsCommand{
    "channels",
    "FILE [--lang en|zh]",
    kOptions,
    1,
    1,
    runChannels,
    {"Prints the channel table: a title row, channels 1-128 and Fr, tab-separated.",
     kHelp,
     kExamples,
     {}}};

}  // namespace kw::cli
