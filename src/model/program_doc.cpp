#include "model/program_doc.h"

#include <algorithm>
#include <array>

#include "res/messages.h"

namespace kw {
namespace {

struct ByteDefault {
    std::size_t offset;
    std::uint8_t value;
};

// Radio-wide option bytes and the opaque settings a factory radio holds.
constexpr std::array<ByteDefault, 20> kSettingsDefaults{{
    {0x1260, 0x01}, {0x1261, 0x04}, {0x1262, 0x00}, {0x1263, 0x00}, {0x1264, 0x00},
    {0x1265, 0xBE}, {0x1266, 0x13}, {0x1267, 0x7A}, {0x1268, 0x00}, {0x1269, 0x00},
    {0x12A8, 0xFD}, {0x12A9, 0x00}, {0x12AB, 0x01}, {0x1308, 0x00}, {0x1309, 0x04},
    {0x130A, 0x00}, {0x130B, 0x00}, {0x130D, 0x01}, {0x132F, 0x41}, {0x1347, 0x00},
}};

constexpr std::array<std::uint8_t, kTwoToneEncodeEntrySize> kTwoToneEncodeDefault{0x4E, 0x20,
                                                                                  0x27, 0x10};
constexpr std::array<std::uint8_t, kTwoToneDecodeEntrySize> kTwoToneDecodeDefault{
    0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05};

constexpr std::size_t kToneTimingBytes = 0x1620;
constexpr std::array<std::uint8_t, 8> kToneTimingDefault{0x05, 0x05, 0x0A, 0x00,
                                                         0x14, 0x00, 0x02, 0x00};

constexpr std::size_t kTrailerBytes = 0x17EE;
constexpr std::array<std::uint8_t, 4> kTrailerDefault{0x29, 0x27, 0x22, 0x1E};

// Byte 1 of this factory form is replaced by the stored model type.
constexpr std::array<std::uint8_t, kProductBlockSize> kFactoryProductBlock{
    0x01, 0x00, 0x01, 0x00, 0x88, 0x00, 0xAE, 0x00, 0xE0, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x00};

template <std::size_t N>
void put(RadioImage& image, std::size_t offset, const std::array<std::uint8_t, N>& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

}  // namespace

void fillNewDocumentImage(RadioImage& image, ProductState& product) {
    image.fill(kEmptyByte);
    for (const ByteDefault& entry : kSettingsDefaults) {
        image[entry.offset] = entry.value;
    }
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

void CProgramDoc::onNewDocument(ProductState& product, std::string_view appName,
                                Language language) {
    fillNewDocumentImage(image_, product);
    title_ = builtInText(BuiltInText::ChannelInformation, language);
    path_ = appName;
    hasFile_ = false;
    modified_ = false;
}

DocumentLoadResult CProgramDoc::open(const std::string& path, Language language) {
    DocumentLoadResult result = loadDocumentFile(path, image_, language);
    if (result) {
        path_ = path;
        hasFile_ = true;
        modified_ = false;
    }
    return result;
}

FileWriteResult CProgramDoc::save(const std::string& path) {
    FileWriteResult result = storeDocumentFile(path, image_);
    if (result) {
        path_ = path;
        hasFile_ = true;
        modified_ = false;
    }
    return result;
}

}  // namespace kw
