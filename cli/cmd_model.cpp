#include <array>

#include "commands.h"
#include "document_lock.h"
#include "document_report.h"
#include "exit_status.h"
#include "model/model_table.h"
#include "model/product_info_rules.h"
#include "output_target.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{kForceOption}};

// The channels whose frequencies and tones a change of band clears.
std::string channelsInUse(const ChannelGrid& grid) {
    std::string list;
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        if (!grid.text(row, kRxColumn).empty()) {
            list += (list.empty() ? "" : ", ") + rowTitle(row);
        }
    }
    return list;
}

// What the Product Information dialog's OK does: the document takes the model and its
// band; a new band clears every channel's frequencies and tones.
int runModel(const Arguments& arguments, CommandContext& context) {
    const std::string& path = arguments.positionals()[0];
    const std::string& modelText = arguments.positionals()[1];
    const auto model = modelIndexOfText(modelText);
    if (!model) {
        context.err << "Unknown model \"" << modelText << "\"; choose KW-217V or KW-217U.\n";
        return kBadInput;
    }
    const auto lock = lockForChange(path, context);
    if (!lock) {
        return kBadInput;
    }
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, path, context)) {
        return kBadInput;
    }
    ProductInfoRules rules(context.product);
    const std::string lowerBefore = rules.lowerText();
    const std::string upperBefore = rules.upperText();
    rules.select(*model);
    const bool newBand = rules.lowerText() != lowerBefore || rules.upperText() != upperBefore;
    const std::string cleared = newBand ? channelsInUse(document.grid()) : std::string();
    if (!cleared.empty()) {
        context.err << "The band becomes " << rules.lowerText() << "-" << rules.upperText()
                    << " MHz, which clears the frequencies and tones of channels " << cleared
                    << ".\n";
        if (!arguments.has(kForceOption.name)) {
            context.err << "Give --force to change the model all the same.\n";
            return kRefused;
        }
    }
    if (rules.accept(context.product, document.image()) ==
        ProductInfoRules::Outcome::ChannelsCleared) {
        document.refill();
    }
    return saveDocument(document, path, context) ? kDone : kBadInput;
}

}  // namespace

constexpr std::array<OptionHelp, 1> kHelp{
    {{"--force", "change it even when channels are cleared"}}};
constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli model radio.dat KW-217U",
                                                    "kwprog-cli model radio.dat KW-217V --force"};

const Command kModelCommand{
    "model",
    "FILE KW-217V|KW-217U [--force]",
    kOptions,
    2,
    2,
    runModel,
    {"Changes the document's model and band as Product Information's OK does.",
     kHelp,
     kExamples,
     {}}};

}  // namespace kw::cli
