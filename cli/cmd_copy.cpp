#include <array>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "row_arguments.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{{"at"}}};

int runCopy(const Arguments& arguments, CommandContext& context) {
    const auto& words = arguments.positionals();
    const auto rows = rowsArgument(words[1], true, context);
    if (!rows) {
        return kBadInput;
    }
    std::optional<int> at;
    if (arguments.has("at")) {
        if (rows->front() == kFrRow) {
            context.err << "Fr copies only into Fr: no --at with Fr.\n";
            return kBadInput;
        }
        at = rowArgument(arguments.value("at"), context);
        if (!at) {
            return kBadInput;
        }
    }
    // The source's own product state, so that opening it leaves the target's alone.
    CommandContext sourceContext{context.out, context.err, ProductState{},
                                 context.programDirectory};
    DocumentSession source(sourceContext.product, Language::English);
    if (!openDocument(source, words[0], sourceContext)) {
        return kBadInput;
    }
    const RadioImage sourceImage = source.committedImage();
    return changeDocumentRows(words[2], context, [&](DocumentSession& target) {
        return target.copyChannelsFrom(sourceImage, *rows, at);
    });
}

}  // namespace

constexpr std::array<OptionHelp, 1> kHelp{
    {{"--at ROW", "the first target row; the copies land one after another in ROWS' order"}}};
constexpr std::array<std::string_view, 3> kExamples{
    "kwprog-cli copy club.dat 1-16 radio.dat", "kwprog-cli copy club.dat 1,3,7-9 radio.dat --at 20",
    "kwprog-cli copy club.dat Fr radio.dat"};
constexpr std::string_view kDetails =
    "ROWS is a channel (5), a range (5-12) or a list (1,3,7-9) of channels 1-128; Fr may be\n"
    "named alone and copies into Fr. Without --at each channel lands at its own row. Whole\n"
    "channels are copied; an empty one empties its target row. A frequency outside DST's band\n"
    "refuses the copy.\n";

const Command kCopyCommand{
    "copy",
    "SRC ROWS DST [--at ROW]",
    kOptions,
    3,
    3,
    runCopy,
    {"Copies channels from one document into another, then saves it.", kHelp, kExamples, kDetails}};

}  // namespace kw::cli
