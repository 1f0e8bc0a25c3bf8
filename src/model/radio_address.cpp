#include "model/radio_address.h"

#include "model/image_layout.h"

namespace kw {

std::optional<std::uint16_t> radioAddressOf(std::size_t imageOffset) {
    if (imageOffset < rowOffset(kTransferredChannelRows)) {
        return static_cast<std::uint16_t>(imageOffset);
    }
    if (imageOffset < rowOffset(kFirstSettingsRow) || imageOffset >= kImageSize) {
        return std::nullopt;
    }
    const std::size_t row = imageOffset / kRowSize;
    const std::size_t byte = imageOffset % kRowSize;
    if (byte >= kSettingsBytesPerRow) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(kSettingsAreaStart +
                                      (row - kFirstSettingsRow) * kSettingsBytesPerRow + byte);
}

std::optional<std::size_t> imageOffsetOf(std::uint16_t radioAddress) {
    if (radioAddress < kSettingsAreaStart) {
        return radioAddress;
    }
    if (radioAddress >= kRadioMemoryEnd) {
        return std::nullopt;
    }
    const std::size_t settingsIndex = radioAddress - kSettingsAreaStart;
    return rowOffset(kFirstSettingsRow + static_cast<int>(settingsIndex / kSettingsBytesPerRow)) +
           settingsIndex % kSettingsBytesPerRow;
}

}  // namespace kw
