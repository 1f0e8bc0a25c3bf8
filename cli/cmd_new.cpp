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

constexpr std::array<Option, 2> kOptions{{{"model"}, kForceOption}};

int runNew(const Arguments& arguments, CommandContext& context) {
    const std::string modelText = arguments.value("model", kRadioModels[0].text);
    const auto model = modelIndexOfText(modelText);
    if (!model) {
        context.err << "Unknown model \"" << modelText << "\"; choose KW-217V or KW-217U.\n";
        return kRefused;
    }
    const std::string& path = arguments.positionals()[0];
    if (cannotSaveTo(path, context)) {
        return kBadInput;
    }
    const auto lock = lockForChange(path, context);
    if (!lock) {
        return kBadInput;
    }
    if (wouldReplaceUnforced(path, arguments, context)) {
        return kRefused;
    }
    // Choose the model as the Product Information dialog would, then save as a save does.
    ProductInfoRules dialog(context.product);
    DocumentSession document(context.product, Language::English);
    document.newDocument({});
    dialog.select(*model);
    (void)dialog.accept(context.product, document.image());
    document.refill();
    return saveDocument(document, path, context) ? kDone : kBadInput;
}

}  // namespace

constexpr std::array<OptionHelp, 2> kHelp{
    {{"--model KW-217V|KW-217U", "the radio model (KW-217V)"}, kForceHelp}};
constexpr std::array<std::string_view, 2> kExamples{
    "kwprog-cli new radio.dat", "kwprog-cli new uhf.dat --model KW-217U --force"};

const Command kNewCommand{
    "new",
    "FILE [--model KW-217V|KW-217U] [--force]",
    kOptions,
    1,
    1,
    runNew,
    {"Makes a new document with a model's new-document defaults.", kHelp, kExamples, {}}};

}  // namespace kw::cli
