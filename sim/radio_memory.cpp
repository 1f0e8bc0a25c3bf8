#include "radio_memory.h"

#include <algorithm>

#include "model/model_table.h"
#include "session/new_document.h"

namespace kw::sim {

RadioMemory memoryFromImage(const RadioImage& image) {
    RadioMemory memory{};
    for (std::size_t address = 0; address < memory.size(); ++address) {
        memory[address] = image[*imageOffsetOf(static_cast<std::uint16_t>(address))];
    }
    return memory;
}

void copyMemoryIntoImage(const RadioMemory& memory, RadioImage& image) {
    for (std::size_t address = 0; address < memory.size(); ++address) {
        image[*imageOffsetOf(static_cast<std::uint16_t>(address))] = memory[address];
    }
}

void setModel(RadioImage& image, int modelIndex) {
    const RadioModel& model = kRadioModels[static_cast<std::size_t>(modelIndex)];
    ProductState product;
    product.storedModelType = model.type;
    product.bandLowerLimit = model.band.lowerMhz * kUnitsPerMhz;
    product.bandUpperLimit = model.band.upperMhz * kUnitsPerMhz;
    product.writeInto(image);
}

RadioImage factoryImage(int modelIndex) {
    RadioImage image{};
    ProductState product;
    fillNewDocumentImage(image, product);
    setModel(image, modelIndex);
    return image;
}

bool setPassword(RadioImage& image, std::string_view digits) {
    if (digits.size() > kMaxPasswordDigits ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    std::fill_n(image.begin() + kPassword, kPasswordSize, kEmptyByte);
    std::copy(digits.begin(), digits.end(), image.begin() + kPassword);
    return true;
}

}  // namespace kw::sim
