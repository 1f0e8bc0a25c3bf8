#include "session/new_document.h"

#include <algorithm>
#include <array>

#include "features/feature_settings.h"
#include "res/messages.h"

namespace kw {
namespace {

constexpr std::array<std::uint8_t, opaque::kAfterOptionBytesSize> kAfterOptionBytesDefault{0x00,
                                                                                           0x00};
constexpr std::array<std::uint8_t, opaque::kRow203SettingsSize> kRow203SettingsDefault{
    0x00, 0x04, 0x00, 0x00, kEmptyByte, 0x01};
constexpr std::uint8_t kRow204LastSettingDefault = 0x41;
constexpr std::uint8_t kRow205LastSettingDefault = 0x00;

constexpr std::array<std::uint8_t, kTwoToneEncodeEntrySize> kTwoToneEncodeDefault{0x4E, 0x20, 0x27,
                                                                                  0x10};
constexpr std::array<std::uint8_t, kTwoToneDecodeEntrySize> kTwoToneDecodeDefault{
    0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05};

constexpr std::array<std::uint8_t, kToneTimingBytesSize> kToneTimingDefault{0x05, 0x05, 0x0A, 0x00,
                                                                            0x14, 0x00, 0x02, 0x00};

constexpr std::array<std::uint8_t, kTrailerBytesSize> kTrailerDefault{0x29, 0x27, 0x22, 0x1E};

// Byte 1 of this factory form is replaced by the stored model type.
constexpr std::array<std::uint8_t, kProductBlockSize> kFactoryProductBlock{
    0x01, 0x00, 0x01, 0x00, 0x88, 0x00, 0xAE, 0x00, 0xE0, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x00};

template <std::size_t N>
void put(RadioImage& image, std::size_t offset, const std::array<std::uint8_t, N>& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

void putFeatureDefaults(RadioImage& image) {
    put(image, kOptionBytes, kOptionBytesOtherBits);
    put(image, kMoreOptionBytes, kMoreOptionBytesOtherBits);
    for (const FeatureSetting& setting : featureSettings()) {
        if (setting.control == FeatureControl::PasswordEdit) {
            std::fill_n(image.begin() + kPassword, kPasswordSize, setting.newDocumentValue);
        } else {
            setting.field.write(image, setting.newDocumentValue);
        }
    }
}

}  // namespace

void fillNewDocumentImage(RadioImage& image, ProductState& product) {
    image.fill(kEmptyByte);
    putFeatureDefaults(image);
    put(image, opaque::kAfterOptionBytes, kAfterOptionBytesDefault);
    put(image, opaque::kRow203Settings, kRow203SettingsDefault);
    image[opaque::kRow204LastSetting] = kRow204LastSettingDefault;
    image[opaque::kRow205LastSetting] = kRow205LastSettingDefault;
    // The tables sit in bytes 0-15 of consecutive rows: four (encode) or two (decode)
    // entries per row.
    for (int i = 0; i < kTwoToneEncodeEntries; ++i) {
        put(image, kTwoToneEncodeTable + rowOffset(i / 4) + (i % 4) * kTwoToneEncodeEntrySize,
            kTwoToneEncodeDefault);
    }
    for (int i = 0; i < kTwoToneDecodeEntries; ++i) {
        put(image, kTwoToneDecodeTable + rowOffset(i / 2) + (i % 2) * kTwoToneDecodeEntrySize,
            kTwoToneDecodeDefault);
    }
    put(image, kToneTimingBytes, kToneTimingDefault);
    put(image, kProductBlock, kFactoryProductBlock);
    image[kModelType] = product.storedModelType;
    product.storedBand = normalisedBand(product.storedBand);
    writeBandBytes(image, product.storedBand);
    put(image, kTrailerBytes, kTrailerDefault);
}

void startNewDocument(CProgramDoc& document, ProductState& product, std::string_view appName,
                      Language language) {
    fillNewDocumentImage(document.image(), product);
    document.startNew(std::string(builtInText(BuiltInText::ChannelInformation, language)),
                      std::string(appName));
}

}  // namespace kw
