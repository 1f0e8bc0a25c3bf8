#include "session/image_differences.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "channels/channel_grid.h"
#include "features/feature_settings.h"
#include "model/model_table.h"
#include "model/product_state.h"

namespace kw {
namespace {

constexpr LocalText kEmptyText{"(empty)", "(空)"};
constexpr LocalText kChangedText{"changed", "已更改"};
constexpr LocalText kCheckedText{"checked", "选中"};
constexpr LocalText kUncheckedText{"unchecked", "未选中"};
constexpr LocalText kModelText{"Model", "机型"};
constexpr LocalText kBandText{"Band", "频段"};
constexpr LocalText kOtherBytesText{"other bytes", "其他字节"};
constexpr LocalText kDifferText{" differ", " 个不同"};

std::string shown(std::string text, Language language) {
    return text.empty() ? std::string(kEmptyText.in(language)) : text;
}

// Column titles as a sentence uses them: " W/N " loses its padding.
std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, last - first + 1));
}

std::string rowName(int row, Language language) {
    return row == kFrRow ? rowTitle(row)
                         : trimmed(columnTitle(kRowTitleColumn, language)) + ' ' + rowTitle(row);
}

void addChannelDifferences(const RadioImage& from, const RadioImage& to, Language language,
                           std::vector<ImageDifference>& differences) {
    ChannelGrid fromGrid(language);
    ChannelGrid toGrid(language);
    ProductState fromProduct;
    ProductState toProduct;
    fromGrid.refill(from, fromProduct);
    toGrid.refill(to, toProduct);
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            const std::string& before = fromGrid.text(row, column);
            const std::string& after = toGrid.text(row, column);
            if (before != after) {
                differences.push_back(
                    {rowName(row, language), trimmed(columnTitle(column, language)),
                     shown(before, language), shown(after, language), GridCell{row, column}});
            }
        }
    }
}

// What the setting's control shows for the image; a value without an entry of its own
// also shows the number, so two such values never read alike.
std::string featureText(const FeatureSetting& setting, const RadioImage& image, Language language) {
    const std::uint8_t value = setting.field.read(image);
    if (setting.control == FeatureControl::CheckBox) {
        return std::string(
            (value == setting.checkedValue ? kCheckedText : kUncheckedText).in(language));
    }
    if (const auto index = setting.indexOfValue(value)) {
        return setting.entryText(*index, language);
    }
    const std::string number = '(' + std::to_string(value) + ')';
    return setting.unlistedIndex
               ? setting.entryText(*setting.unlistedIndex, language) + ' ' + number
               : number;
}

bool passwordsDiffer(const RadioImage& from, const RadioImage& to) {
    return !std::equal(from.begin() + kPassword, from.begin() + kPassword + kPasswordSize,
                       to.begin() + kPassword);
}

void addFeatureDifferences(const RadioImage& from, const RadioImage& to, Language language,
                           std::vector<ImageDifference>& differences) {
    for (const FeatureSetting& setting : featureSettings()) {
        const std::string label(setting.label.in(language));
        if (setting.control == FeatureControl::PasswordEdit) {
            if (passwordsDiffer(from, to)) {
                differences.push_back({{}, label, {}, std::string(kChangedText.in(language)), {}});
            }
            continue;
        }
        std::string before = featureText(setting, from, language);
        std::string after = featureText(setting, to, language);
        if (before != after) {
            differences.push_back({{}, label, std::move(before), std::move(after), {}});
        }
    }
}

std::string modelText(const RadioImage& image, Language language) {
    const auto model = modelIndexOfType(image[kModelType]);
    return model ? std::string(kRadioModels[static_cast<std::size_t>(*model)].text)
                 : std::string(kEmptyText.in(language));
}

std::string bandText(const RadioImage& image, Language language) {
    const BandBytes band = normalisedBand(readBandBytes(image));
    if (band == BandBytes{}) {
        return std::string(kEmptyText.in(language));
    }
    const BandLimits limits = decodeBand(band);
    return std::to_string(limits.lowerMhz) + '-' + std::to_string(limits.upperMhz) + " MHz";
}

void addProductDifferences(const RadioImage& from, const RadioImage& to, Language language,
                           std::vector<ImageDifference>& differences) {
    const auto addIfDiffers = [&](const LocalText& what, auto text) {
        std::string before = text(from, language);
        std::string after = text(to, language);
        if (before != after) {
            differences.push_back(
                {{}, std::string(what.in(language)), std::move(before), std::move(after), {}});
        }
    };
    addIfDiffers(kModelText, modelText);
    addIfDiffers(kBandText, bandText);
}

// The bits of each byte that the items above are made of.
using ImageMask = std::array<std::uint8_t, kImageSize>;

void markBytes(ImageMask& mask, std::size_t offset, std::size_t size) {
    std::fill_n(mask.begin() + static_cast<std::ptrdiff_t>(offset), size, std::uint8_t{0xFF});
}

ImageMask shownBits() {
    ImageMask mask{};
    for (int record = 0; record < kEditedRecordCount; ++record) {
        const std::size_t offset = rowOffset(record);
        // Bytes 0-11: the two frequencies and the two tones.
        markBytes(mask, offset + record::kRxFrequency, record::kSignalType);
        markBytes(mask, offset + record::kFlags, 1);
        markBytes(mask, offset + record::kName, record::kNameSize);
    }
    for (const FeatureSetting& setting : featureSettings()) {
        if (setting.control != FeatureControl::PasswordEdit) {
            mask[setting.field.offset] |= setting.field.mask();
        }
    }
    markBytes(mask, kPassword, kPasswordSize);
    markBytes(mask, kProductBlock, kProductBlockSize);
    markBytes(mask, kBandBytes, kBandBytesSize);
    return mask;
}

int otherBytesDiffering(const RadioImage& from, const RadioImage& to) {
    static const ImageMask mask = shownBits();
    int count = 0;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (((from[i] ^ to[i]) & ~mask[i]) != 0) {
            ++count;
        }
    }
    return count;
}

}  // namespace

std::vector<ImageDifference> imageDifferences(const RadioImage& from, const RadioImage& to,
                                              Language language) {
    std::vector<ImageDifference> differences;
    if (from == to) {
        return differences;
    }
    addChannelDifferences(from, to, language, differences);
    addFeatureDifferences(from, to, language, differences);
    addProductDifferences(from, to, language, differences);
    if (const int count = otherBytesDiffering(from, to); count > 0) {
        differences.push_back({{},
                               std::string(kOtherBytesText.in(language)),
                               {},
                               std::to_string(count) + std::string(kDifferText.in(language)),
                               {}});
    }
    return differences;
}

std::string differenceLine(const ImageDifference& difference) {
    std::string line =
        difference.where.empty() ? difference.what : difference.where + ' ' + difference.what;
    line += ": ";
    line += difference.from.empty() ? difference.to : difference.from + " -> " + difference.to;
    return line;
}

}  // namespace kw
