#pragma once
// The simulated radio's 4 KB memory and its relation to a document's radio image.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/radio_address.h"
#include "model/radio_image.h"

namespace kw::sim {

using RadioMemory = std::array<std::uint8_t, kRadioMemoryEnd>;

[[nodiscard]] RadioMemory memoryFromImage(const RadioImage& image);
// Only the bytes that have a radio address change.
void copyMemoryIntoImage(const RadioMemory& memory, RadioImage& image);

// A document image with the product block and band bytes of model `modelIndex` (the
// index in the model table) over the rest of `image`.
void setModel(RadioImage& image, int modelIndex);
// The factory image of a radio of that model: a new document's bytes.
[[nodiscard]] RadioImage factoryImage(int modelIndex);

inline constexpr std::size_t kMaxPasswordDigits = 6;
// Up to six digits, the remaining password bytes 0xFF; false for anything else.
[[nodiscard]] bool setPassword(RadioImage& image, std::string_view digits);

}  // namespace kw::sim
