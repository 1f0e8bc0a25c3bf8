#include "session/image_differences.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "channels/channel_grid.h"
#include "features/feature_settings.h"
#include "features/password_text.h"
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

// Record bytes the grid's cells are made of: frequencies and tones, flags, name.
constexpr std::array<std::pair<std::size_t, std::size_t>, 3> kShownRecordBytes{{
    {record::kRxFrequency, record::kSignalType},
    {record::kFlags, 1},
    {record::kName, record::kNameSize},
}};

int differingBytes(const RadioImage& from, const RadioImage& to, std::size_t offset,
                   std::size_t size) {
    int count = 0;
    for (std::size_t i = offset; i < offset + size; ++i) {
        count += from[i] != to[i] ? 1 : 0;
    }
    return count;
}

// Returns the differing shown bytes of records whose cells all read alike (a deleted
// channel's name, bit 0 of the flags), which only the count of other bytes can tell.
int addChannelDifferences(const RadioImage& from, const RadioImage& to, Language language,
                          std::vector<ImageDifference>& differences) {
    ChannelGrid fromGrid(language);
    ChannelGrid toGrid(language);
    ProductState fromProduct;
    ProductState toProduct;
    fromGrid.refill(from, fromProduct);
    toGrid.refill(to, toProduct);
    int unseen = 0;
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        const std::size_t listed = differences.size();
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            const std::string& before = fromGrid.text(row, column);
            const std::string& after = toGrid.text(row, column);
            if (before != after) {
                differences.push_back(
                    {rowName(row, language), trimmed(columnTitle(column, language)),
                     shown(before, language), shown(after, language), GridCell{row, column}});
            }
        }
        if (differences.size() == listed) {
            for (const auto& [offset, size] : kShownRecordBytes) {
                unseen += differingBytes(from, to, rowOffset(recordOfRow(row)) + offset, size);
            }
        }
    }
    return unseen;
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

void addFeatureDifferences(const RadioImage& from, const RadioImage& to, Language language,
                           std::vector<ImageDifference>& differences) {
    for (const FeatureSetting& setting : featureSettings()) {
        const std::string label(setting.label.in(language));
        if (setting.control == FeatureControl::PasswordEdit) {
            if (passwordText(from) != passwordText(to)) {
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

// Returns the differing bytes of the product block and band bytes when model and band
// read alike (two unknown model types, an erased band against no band).
int addProductDifferences(const RadioImage& from, const RadioImage& to, Language language,
                          std::vector<ImageDifference>& differences) {
    const std::size_t listed = differences.size();
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
    if (differences.size() != listed) {
        return 0;
    }
    return differingBytes(from, to, kProductBlock, kProductBlockSize) +
           differingBytes(from, to, kBandBytes, kBandBytesSize);
}

// The bits of each byte that the items above are made of.
using ImageMask = std::array<std::uint8_t, kImageSize>;

void markBytes(ImageMask& mask, std::size_t offset, std::size_t size) {
    std::fill_n(mask.begin() + static_cast<std::ptrdiff_t>(offset), size, std::uint8_t{0xFF});
}

ImageMask shownBits() {
    ImageMask mask{};
    for (int record = 0; record < kEditedRecordCount; ++record) {
        for (const auto& [offset, size] : kShownRecordBytes) {
            markBytes(mask, rowOffset(record) + offset, size);
        }
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

int bytesDifferingInOtherBits(const RadioImage& from, const RadioImage& to) {
    static const ImageMask mask = shownBits();
    int count = 0;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        count += ((from[i] ^ to[i]) & ~mask[i]) != 0 ? 1 : 0;
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
    int unseen = addChannelDifferences(from, to, language, differences);
    addFeatureDifferences(from, to, language, differences);
    unseen += addProductDifferences(from, to, language, differences);
    if (const int count = bytesDifferingInOtherBits(from, to) + unseen; count > 0) {
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
