#include <algorithm>

#include "commands.h"
#include "document_report.h"
#include "exit_status.h"
#include "model/model_table.h"

namespace kw::cli {
namespace {

bool channelInUse(ConstImageRow record) {
    const auto absent = [](std::uint8_t b) { return b == 0xFF || b == 0x00; };
    return !absent(record[record::kRxFrequency + 3]) && !absent(record[record::kTxFrequency + 3]);
}

int runInfo(const Arguments& arguments, CommandContext& context) {
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, arguments.positionals()[0], context)) {
        return kBadInput;
    }
    const RadioImage& image = document.image();
    const auto model = modelIndexOfType(image[kModelType]);
    const BandLimits band = context.product.limitsMhz();
    int channels = 0;
    for (int record = 0; record < kEditedRecordCount; ++record) {
        channels += channelInUse(channelRecord(image, record)) ? 1 : 0;
    }
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

const Command kInfoCommand{"info", "FILE", {}, 1, 1, runInfo};

}  // namespace kw::cli
