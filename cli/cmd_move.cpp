#include <array>

#include "commands.h"
#include "exit_status.h"
#include "row_arguments.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{{"to"}}};

int runMove(const Arguments& arguments, CommandContext& context) {
    const auto& words = arguments.positionals();
    if (!arguments.has("to")) {
        context.err << "Name the row to move to with --to ROW.\n";
        return kBadInput;
    }
    const auto rows = rowsArgument(words[1], false, context);
    const auto to = rows ? rowArgument(arguments.value("to"), context) : std::nullopt;
    if (!to) {
        return kBadInput;
    }
    return changeDocumentRows(words[0], context, [&](DocumentSession& document) {
        return document.moveChannelsTo(*rows, *to);
    });
}

}  // namespace

constexpr std::array<OptionHelp, 1> kHelp{
    {{"--to ROW", "where the first moved channel ends up; the others follow it in order"}}};
constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli move radio.dat 12 --to 1",
                                                    "kwprog-cli move radio.dat 1,3,7-9 --to 20"};
constexpr std::string_view kDetails =
    "ROWS is a channel (5), a range (5-12) or a list (1,3,7-9) of channels 1-128. The channels\n"
    "are taken out, the others close up, and they are put back one after another from ROW.\n";

const Command kMoveCommand{
    "move",
    "FILE ROWS --to ROW",
    kOptions,
    2,
    2,
    runMove,
    {"Moves channels to another row, then saves the document.", kHelp, kExamples, kDetails}};

}  // namespace kw::cli
