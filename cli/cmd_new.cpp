#include <array>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "model/model_table.h"
#include "model/product_info_rules.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{{"model"}}};

int runNew(const Arguments& arguments, CommandContext& context) {
    const std::string modelText = arguments.value("model", kRadioModels[0].text);
    const auto model = modelIndexOfText(modelText);
    if (!model) {
        context.err << "Unknown model \"" << modelText << "\"; choose KW-217V or KW-217U.\n";
        return kRefused;
    }
    // Choose the model as the Product Information dialog would, then save as a save does.
    ProductInfoRules dialog(context.product);
    DocumentSession document(context.product, Language::English);
    document.newDocument({});
    dialog.select(*model);
    (void)dialog.accept(context.product, document.image());
    document.refill();
    return saveDocument(document, arguments.positionals()[0], context) ? kDone : kBadInput;
}

}  // namespace

const Command kNewCommand{"new", "FILE [--model KW-217V|KW-217U]", kOptions, 1, 1, runNew};

}  // namespace kw::cli
