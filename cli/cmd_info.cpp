#include <algorithm>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "model/model_table.h"
#include "session/transfer_summary.h"

namespace kw::cli {
namespace {

int runInfo(const Arguments& arguments, CommandContext& context) {
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    const RadioImage& image = document.image();
    const auto model = modelIndexOfType(image[kModelType]);
    const BandLimits band = context.product.limitsMhz();
    const int channels = channelsInUse(image);
    const bool hasPassword =
        std::any_of(image.begin() + kPassword, image.begin() + kPassword + kPasswordSize,
                    [](std::uint8_t b) { return b != kEmptyByte; });
    context.out << "model: " << (model ? kRadioModels[*model].text : "none") << '\n'
                << "band: " << band.lowerMhz << '-' << band.upperMhz << " MHz\n"
                << "channels: " << channels << '\n'
                << "password: " << (hasPassword ? "set" : "none") << '\n';
    return kDone;
}

}  // namespace

constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli info radio.dat",
                                                    "kwprog-cli info fleet/uhf.dat"};

const Command kInfoCommand{
    "info",
    "FILE",
    {},
    1,
    1,
    runInfo,
    {"Prints the document's model, band, channels in use and whether a password is set.",
     {},
     kExamples,
     {}}};

}  // namespace kw::cli
