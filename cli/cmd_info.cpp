#include <array>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "features/password_text.h"
#include "format_option.h"
#include "json_text.h"
#include "model/model_table.h"
#include "session/transfer_summary.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{kFormatOption}};

int runInfo(const Arguments& arguments, CommandContext& context) {
    const auto format = formatOption(arguments, kReportFormats, context);
    if (!format) {
        return kBadInput;
    }
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    const RadioImage& image = document.image();
    const auto model = modelIndexOfType(image[kModelType]);
    const BandLimits band = context.product.limitsMhz();
    const int channels = channelsInUse(image);
    const bool hasPassword = !passwordText(image).empty();
    const std::string_view modelText = model ? kRadioModels[*model].text : "none";
    const std::string bandText =
        std::to_string(band.lowerMhz) + '-' + std::to_string(band.upperMhz);
    if (*format == OutputFormat::Json) {
        context.out << jsonObject({{"model", jsonString(modelText)},
                                   {"band", jsonString(bandText)},
                                   {"channels", std::to_string(channels)},
                                   {"password", jsonString(hasPassword ? "set" : "empty")}})
                    << '\n';
        return kDone;
    }
    context.out << "model: " << modelText << '\n'
                << "band: " << bandText << " MHz\n"
                << "channels: " << channels << '\n'
                << "password: " << (hasPassword ? "set" : "none") << '\n';
    return kDone;
}

}  // namespace

constexpr std::array<OptionHelp, 1> kHelp{
    {{"--format text|json", "lines of NAME: VALUE (the default), or one JSON object"}}};
constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli info radio.dat",
                                                    "kwprog-cli info fleet/uhf.dat --format json"};

const Command kInfoCommand{
    "info",
    "FILE [--format text|json]",
    kOptions,
    1,
    1,
    runInfo,
    {"Prints the document's model, band, channels in use and whether a password is set.",
     kHelp,
     kExamples,
     {}}};

}  // namespace kw::cli
