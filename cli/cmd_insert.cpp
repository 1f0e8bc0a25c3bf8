#include <array>

#include "commands.h"
#include "exit_status.h"
#include "row_arguments.h"

namespace kw::cli {
namespace {

int runInsert(const Arguments& arguments, CommandContext& context) {
    const auto& words = arguments.positionals();
    const auto row = rowArgument(words[1], context);
    if (!row) {
        return kBadInput;
    }
    return changeDocumentRows(
        words[0], context, [&](DocumentSession& document) { return document.insertChannel(*row); });
}

}  // namespace

constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli insert radio.dat 5",
                                                    "kwprog-cli insert radio.dat 1"};
constexpr std::string_view kDetails =
    "ROW is a channel 1-128. The channels from ROW on move down one; refused when channel\n"
    "128 is in use.\n";

const Command kInsertCommand{
    "insert",
    "FILE ROW",
    {},
    2,
    2,
    runInsert,
    {"Inserts an empty channel, then saves the document.", {}, kExamples, kDetails}};

}  // namespace kw::cli
