#pragma once
// The 23 settings of the "Optional Features" dialog as one table: where each lives in the
// radio image, what its control offers in either language, and what a new document holds.
// The loader, the saver, the command line, the dialog and the help mapping all read it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/radio_image.h"
#include "res/control_id.h"
#include "res/language.h"

namespace kw {

enum class FeatureControl { DropDownList, CheckBox, PasswordEdit };

struct LocalText {
    std::string_view english;
    std::string_view chinese;

    constexpr std::string_view in(Language language) const {
        return pick(language, english, chinese);
    }
};

// `width` bits from bit `shift` of one byte; a whole byte is shift 0, width 8.
struct BitField {
    std::size_t offset = 0;
    int shift = 0;
    int width = 8;

    constexpr std::uint8_t mask() const {
        return static_cast<std::uint8_t>(((1u << width) - 1u) << shift);
    }
    constexpr std::uint8_t read(const RadioImage& image) const {
        return static_cast<std::uint8_t>((image[offset] & mask()) >> shift);
    }
    // Every other bit of the byte keeps its value.
    constexpr void write(RadioImage& image, std::uint8_t value) const {
        const auto shifted = static_cast<std::uint8_t>(value << shift);
        image[offset] = static_cast<std::uint8_t>((image[offset] & ~mask()) | (shifted & mask()));
    }
};

struct FeatureEntry {
    LocalText text;
    std::uint8_t value;  // what the field holds while this entry is selected
};

// Generated lists: entry i stores i and reads i * step ("%d"); entry 0 reads `zero`
// instead when that has a text ("Off", "None").
struct NumberedEntries {
    LocalText zero;
    int count = 0;
    int step = 1;
};

using FeatureControlId = ControlId<OptionalFeaturesDialog>;

struct FeatureSetting {
    FeatureControlId controlId;  // also the control's help context
    FeatureControl control;
    LocalText label;
    BitField field{};                         // unused by the password, which has bytes of its own
    std::span<const FeatureEntry> entries{};  // in list order; empty for numbered lists
    NumberedEntries numbered{};
    // Selected when the field holds a value without an entry; none leaves the list
    // without a selection.
    std::optional<int> unlistedIndex = 0;
    std::uint8_t unselectedValue = 0;  // stored when the list has no selection
    std::uint8_t checkedValue = 1;     // check boxes: the field's value while checked
    // The field's value in a new document (for the password: every byte).
    std::uint8_t newDocumentValue = 0;

    int entryCount() const;
    // `index` must be below entryCount().
    std::string entryText(int index, Language language) const;
    std::uint8_t entryValue(int index) const;
    std::vector<std::string> entryTexts(Language language) const;
    std::optional<int> indexOfValue(std::uint8_t value) const;
    std::optional<int> indexOfText(std::string_view text, Language language) const;
};

inline constexpr std::size_t kFeatureSettingCount = 23;
inline constexpr FeatureControlId kPasswordControlId{1133};

// In the dialog's reading order: left column, right column, then the bottom row.
std::span<const FeatureSetting, kFeatureSettingCount> featureSettings();

std::optional<std::size_t> featureIndexOfControl(FeatureControlId controlId);
std::optional<std::size_t> featureIndexOfLabel(std::string_view label, Language language);

}  // namespace kw
