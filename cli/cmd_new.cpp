#include <array>

#include "commands.h"
#include "document_io.h"
#include "exit_status.h"
#include "model/model_table.h"
#include "model/product_info_rules.h"
#include "session/new_document.h"

namespace kw::cli {
namespace {

constexpr std::array<OptionSpec, 1> kOptions{{{"model"}}};

int runNew(const Arguments& arguments, CommandContext& context) {
    const std::string modelText = arguments.value("model", kRadioModels[0].text);
    const auto model = modelIndexOfText(modelText);
    if (!model) {
        context.err << "Unknown model \"" << modelText << "\"; choose KW-217V or KW-217U.\n";
        return kRefused;
    }
    CProgramDoc document;
    startNewDocument(document, context.product, {}, Language::English);
    // Choose the model as the Product Information dialog would, then save as a save does.
    ProductInfoRules dialog(context.product);
    dialog.select(*model);
    (void)dialog.accept(context.product, document.image());
    DocumentView view = viewDocument(std::move(document), context);
    return saveDocument(view, arguments.positionals()[0], context) ? kDone : kBadInput;
}

}  // namespace

const Command kNewCommand{"new", "FILE [--model KW-217V|KW-217U]", kOptions, 1, 1, runNew};

}  // namespace kw::cli
