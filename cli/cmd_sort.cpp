#include <array>

#include "commands.h"
#include "exit_status.h"
#include "row_arguments.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 2> kOptions{{{"by"}, {"descending", false}}};

int runSort(const Arguments& arguments, CommandContext& context) {
    const std::string by = arguments.value("by");
    if (by != "rx" && by != "name") {
        context.err << "Sort --by rx or --by name.\n";
        return kBadInput;
    }
    const SortKey key = by == "rx" ? SortKey::RxFrequency : SortKey::Name;
    const SortOrder order =
        arguments.has("descending") ? SortOrder::Descending : SortOrder::Ascending;
    return changeDocumentRows(arguments.positionals()[0], context, [&](DocumentSession& document) {
        return document.sortChannels(key, order);
    });
}

}  // namespace

constexpr std::array<OptionHelp, 2> kHelp{
    {{"--by rx|name", "the Rx frequency or the channel name"},
     {"--descending", "largest first (ascending without it)"}}};
constexpr std::array<std::string_view, 2> kExamples{
    "kwprog-cli sort radio.dat --by rx", "kwprog-cli sort radio.dat --by name --descending"};
constexpr std::string_view kDetails =
    "Channels 1-128 are reordered; channels that compare equal keep their order, empty\n"
    "channels go last either way, and Fr stays. Names compare ignoring letter case.\n";

const Command kSortCommand{
    "sort",
    "FILE --by rx|name [--descending]",
    kOptions,
    1,
    1,
    runSort,
    {"Sorts the channels, then saves the document.", kHelp, kExamples, kDetails}};

}  // namespace kw::cli
