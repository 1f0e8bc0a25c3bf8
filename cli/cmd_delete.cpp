#include <array>

#include "commands.h"
#include "exit_status.h"
#include "row_arguments.h"

namespace kw::cli {
namespace {

int runDelete(const Arguments& arguments, CommandContext& context) {
    const auto& words = arguments.positionals();
    const auto rows = rowsArgument(words[1], false, context);
    if (!rows) {
        return kBadInput;
    }
    return changeDocumentRows(words[0], context, [&](DocumentSession& document) {
        return document.deleteChannels(*rows);
    });
}

}  // namespace

constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli delete radio.dat 5",
                                                    "kwprog-cli delete radio.dat 1,3,7-9"};
constexpr std::string_view kDetails =
    "ROWS is a channel (5), a range (5-12) or a list (1,3,7-9) of channels 1-128. The channels\n"
    "below move up; the last rows become empty.\n";

const Command kDeleteCommand{
    "delete",
    "FILE ROWS",
    {},
    2,
    2,
    runDelete,
    {"Deletes channels, then saves the document.", {}, kExamples, kDetails}};

}  // namespace kw::cli
