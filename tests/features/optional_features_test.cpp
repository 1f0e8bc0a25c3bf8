#include <gtest/gtest.h>

#include <random>
#include <string>

#include "features/optional_features.h"
#include "model/program_doc.h"
#include "session/new_document.h"
#include "support/bytes.h"

namespace kw {
namespace {

using test::bytes;
using test::hex;

RadioImage newImage() {
    CProgramDoc document;
    ProductState product;
    startNewDocument(document, product, {}, Language::English);
    return document.image();
}

RadioImage randomImage(unsigned seed) {
    std::mt19937 random(seed);
    RadioImage image;
    for (auto& byte : image) {
        byte = static_cast<std::uint8_t>(random());
    }
    return image;
}

void put(RadioImage& image, std::size_t offset, const std::string& hexBytes) {
    const auto data = bytes(hexBytes);
    std::copy(data.begin(), data.end(), image.begin() + offset);
}

std::string bytesAt(const RadioImage& image, std::size_t offset, std::size_t count) {
    return hex(std::span(image).subspan(offset, count));
}

const FeatureSetting& setting(int controlId) {
    return featureSettings()[featureIndexOfControl(FeatureControlId{controlId}).value()];
}

// What the dialog shows for one control: the selected entry, the check mark or the text.
std::string shown(const OptionalFeaturesState& state, int controlId,
                  Language language = Language::English) {
    const FeatureSetting& s = setting(controlId);
    const FeatureControlState& control = state.control(FeatureControlId{controlId});
    switch (s.control) {
        case FeatureControl::CheckBox:
            return control.checked ? "checked" : "unchecked";
        case FeatureControl::PasswordEdit:
            return state.password;
        case FeatureControl::DropDownList:
            break;
    }
    return control.selection ? s.entryText(*control.selection, language) : "(none)";
}

void select(OptionalFeaturesState& state, int controlId, const std::string& englishText) {
    const auto index = setting(controlId).indexOfText(englishText, Language::English);
    ASSERT_TRUE(index) << englishText;
    state.control(FeatureControlId{controlId}).selection = index;
}

struct ShownCase {
    int controlId;
    const char* english;
    const char* chinese;
};

TEST(OptionalFeatures, ANewDocumentShowsTheFactorySettings) {
    const ShownCase cases[] = {
        {1125, "30", "30"},
        {1123, "4", "4"},
        {1120, "Off", "关"},
        {1124, "5", "5"},
        {1126, "Off", "关闭"},
        {1131, "Emergency Call", "发射报警信号"},
        {1118, "Manual", "手动"},
        {1127, "On", "开"},
        {1129, "On", "开"},
        {1122, "CO", "载波"},
        {1130, "On", "开"},
        {1136, "Manual", "手动"},
        {1121, "Off", "关闭"},
        {1115, "Auto", "自动"},
        {1116, "Light 1", "颜色1"},
        {1117, "FREQ.CH", "频率信道"},
        {1128, "On", "开"},
        {1134, "unchecked", "unchecked"},
        {1119, "None", "无"},
        {1132, "MSK-I", "MSK-I"},
        {1135, "unchecked", "unchecked"},
        {1137, "Disable", "禁止"},
        {1133, "", ""},
    };
    static_assert(std::size(cases) == kFeatureSettingCount);
    const OptionalFeaturesState state = loadOptionalFeatures(newImage());
    for (const ShownCase& c : cases) {
        EXPECT_EQ(shown(state, c.controlId), c.english) << c.controlId;
        EXPECT_EQ(shown(state, c.controlId, Language::Chinese), c.chinese) << c.controlId;
    }
}

TEST(OptionalFeatures, AnUnchangedOkOnANewDocumentChangesNoByte) {
    const RadioImage before = newImage();
    RadioImage image = before;
    ASSERT_TRUE(saveOptionalFeatures(loadOptionalFeatures(image), image));
    EXPECT_EQ(image, before);
}

struct ByteCase {
    int controlId;
    const char* choice;  // English entry text, or "checked" / "unchecked"
    std::size_t offset;
    const char* byte;  // the byte after OK, from a new document
};

// Each choice changes its own byte and nothing else.
TEST(OptionalFeatures, EachChoiceStoresTheByteTheRadioExpects) {
    const ByteCase cases[] = {
        {1115, "On", 0x1266, "23"},      {1115, "Off", 0x1266, "03"},
        {1116, "Light 3", 0x1266, "93"}, {1116, "Light 2", 0x1266, "53"},
        {1121, "Message", 0x1266, "1B"}, {1121, "Voltage", 0x1266, "17"},
        {1136, "Auto", 0x1266, "12"},    {1118, "Auto", 0x1265, "BA"},
        {1127, "Off", 0x1265, "B6"},     {1129, "Off", 0x1265, "AE"},
        {1130, "Off", 0x1265, "3E"},     {1122, "SE", 0x1265, "DE"},
        {1122, "TO", 0x1265, "9E"},      {1131, "Send 1750 Singal", 0x1265, "BD"},
        {1131, "Off", 0x1265, "BC"},     {1117, "FREQ", 0x1267, "7B"},
        {1117, "CHANNEL", 0x1267, "78"}, {1117, "NAME", 0x1267, "79"},
        {1125, "270", 0x1260, "09"},     {1125, "Off", 0x1260, "00"},
        {1123, "9", 0x1261, "09"},       {1123, "0", 0x1261, "00"},
        {1120, "9", 0x1262, "09"},       {1124, "25", 0x1263, "04"},
        {1124, "6.25", 0x1263, "01"},    {1126, "9", 0x1264, "09"},
        {1128, "Off", 0x12A8, "FC"},     {1119, "128", 0x12A9, "80"},
        {1119, "1", 0x12A9, "01"},       {1132, "MSK-II", 0x12AB, "00"},
        {1137, "Enable", 0x12AB, "11"},  {1134, "checked", 0x12A8, "7D"},
        {1135, "checked", 0x12AB, "03"},
    };
    for (const ByteCase& c : cases) {
        const RadioImage before = newImage();
        RadioImage image = before;
        OptionalFeaturesState state = loadOptionalFeatures(image);
        if (setting(c.controlId).control == FeatureControl::CheckBox) {
            state.control(FeatureControlId{c.controlId}).checked =
                std::string(c.choice) == "checked";
        } else {
            select(state, c.controlId, c.choice);
        }
        ASSERT_TRUE(saveOptionalFeatures(state, image));
        EXPECT_EQ(bytesAt(image, c.offset, 1), c.byte) << c.controlId << ' ' << c.choice;
        EXPECT_EQ(shown(loadOptionalFeatures(image), c.controlId), c.choice) << "reopened";
        image[c.offset] = before[c.offset];
        EXPECT_EQ(image, before) << c.controlId << ' ' << c.choice;
    }
}

// The bits no setting owns keep whatever they hold, whatever every control is set to.
TEST(OptionalFeatures, BitsLeftAloneKeepTheirValuesThroughAnyOk) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const RadioImage before = randomImage(seed);
        RadioImage image = before;
        OptionalFeaturesState state = loadOptionalFeatures(image);
        std::mt19937 random(seed);
        for (std::size_t i = 0; i < kFeatureSettingCount; ++i) {
            const FeatureSetting& s = featureSettings()[i];
            state.controls[i].checked = random() % 2;
            if (s.control == FeatureControl::DropDownList) {
                state.controls[i].selection = static_cast<int>(random() % s.entryCount());
            }
        }
        state.password = "42";
        ASSERT_TRUE(saveOptionalFeatures(state, image));
        struct Kept {
            std::size_t offset;
            std::uint8_t mask;
        };
        // 0x1266 bit 1, 0x1267 bits 2-7, 0x12A8 bits 1-6, 0x12AB bits 2, 3, 5-7.
        for (const Kept& kept :
             {Kept{0x1266, 0x02}, Kept{0x1267, 0xFC}, Kept{0x12A8, 0x7E}, Kept{0x12AB, 0xEC}}) {
            EXPECT_EQ(image[kept.offset] & kept.mask, before[kept.offset] & kept.mask)
                << std::hex << kept.offset << " seed " << seed;
        }
        // Nothing outside the option bytes and the password changes, 0x12AA included.
        for (std::size_t offset = 0; offset < image.size(); ++offset) {
            const bool owned = (offset >= 0x1260 && offset <= 0x1267) ||
                               (offset >= 0x12A8 && offset <= 0x12AB && offset != 0x12AA) ||
                               (offset >= 0x17D2 && offset <= 0x17D7);
            if (!owned) {
                ASSERT_EQ(image[offset], before[offset]) << std::hex << offset;
            }
        }
        EXPECT_EQ(bytesAt(image, 0x17D0, 8),
                  hex(std::span(before).subspan(0x17D0, 2)) + " 34 32 FF FF FF FF");
    }
}

struct StoredCase {
    std::size_t offset;
    const char* stored;
    int controlId;
    const char* shown;
    const char* afterOk;  // the byte after an OK without changes
};

TEST(OptionalFeatures, ValuesWithoutAnEntryShowTheFallbackAndAreStoredAsIt) {
    const StoredCase cases[] = {
        // Two-bit fields holding 3.
        {0x1265, "BF", 1131, "Emergency Call", "BE"},
        {0x1265, "FE", 1122, "TO", "9E"},
        {0x1266, "1F", 1121, "Off", "13"},
        {0x1266, "33", 1115, "Off", "03"},
        {0x1266, "D3", 1116, "Light 1", "13"},
        {0x1267, "7B", 1117, "FREQ", "7B"},
        {0x1267, "FF", 1117, "FREQ", "FF"},
        // Whole bytes past their lists.
        {0x1260, "FF", 1125, "Off", "00"},
        {0x1260, "0A", 1125, "Off", "00"},
        {0x1260, "09", 1125, "270", "09"},
        {0x1261, "0A", 1123, "0", "00"},
        {0x1263, "05", 1124, "5", "00"},
        {0x1263, "04", 1124, "25", "04"},
        {0x1264, "FF", 1126, "Off", "00"},
        {0x12A9, "80", 1119, "128", "80"},
        {0x12A9, "81", 1119, "None", "00"},
        {0x12A9, "C8", 1119, "None", "00"},
        // Vox Gain Level is left without a selection instead, and stores 0.
        {0x1262, "0A", 1120, "(none)", "00"},
        {0x1262, "FF", 1120, "(none)", "00"},
        {0x1262, "09", 1120, "9", "09"},
    };
    for (const StoredCase& c : cases) {
        RadioImage image = newImage();
        put(image, c.offset, c.stored);
        const OptionalFeaturesState state = loadOptionalFeatures(image);
        EXPECT_EQ(shown(state, c.controlId), c.shown) << c.controlId << ' ' << c.stored;
        ASSERT_TRUE(saveOptionalFeatures(state, image));
        EXPECT_EQ(bytesAt(image, c.offset, 1), c.afterOk) << c.controlId << ' ' << c.stored;
    }
}

TEST(OptionalFeatures, AListWithoutASelectionStoresItsUnselectedValue) {
    struct Case {
        int controlId;
        std::optional<int> selection;
        std::size_t offset;
        const char* byte;
    };
    const Case cases[] = {
        {1137, std::nullopt, 0x12AB, "11"},  // only "Disable" clears the reset bit
        {1125, std::nullopt, 0x1260, "00"}, {1125, 10, 0x1260, "00"},
        {1125, -1, 0x1260, "00"},           {1128, std::nullopt, 0x12A8, "FC"},
        {1131, std::nullopt, 0x1265, "BC"},
    };
    for (const Case& c : cases) {
        RadioImage image = newImage();
        OptionalFeaturesState state = loadOptionalFeatures(image);
        state.control(FeatureControlId{c.controlId}).selection = c.selection;
        ASSERT_TRUE(saveOptionalFeatures(state, image));
        EXPECT_EQ(bytesAt(image, c.offset, 1), c.byte) << c.controlId;
    }
}

struct PasswordCase {
    const char* stored;  // the six bytes at 0x17D2
    const char* shown;
    std::optional<std::string> typed;  // none: OK without touching the edit
    const char* afterOk;               // empty: refused, nothing stored
};

TEST(OptionalFeatures, PasswordIsUpToSixDigitsAndForeignBytesAreKept) {
    const PasswordCase cases[] = {
        {"FF FF FF FF FF FF", "", std::nullopt, "FF FF FF FF FF FF"},
        {"31 32 33 34 35 36", "123456", std::nullopt, "31 32 33 34 35 36"},
        {"31 32 FF FF FF FF", "12", std::nullopt, "31 32 FF FF FF FF"},
        // Not cut at the first non-digit, and stored back as it was.
        {"31 32 41 34 FF FF", "12A4", std::nullopt, "31 32 41 34 FF FF"},
        {"01 32 5C FF 33 FF", "\\x012\\x5C\\xFF3", std::nullopt, "01 32 5C FF 33 FF"},
        {"FF FF FF FF FF 31", "\\xFF\\xFF\\xFF\\xFF\\xFF1", std::nullopt, "FF FF FF FF FF 31"},
        {"31 32 33 FF FF FF", "123", "", "FF FF FF FF FF FF"},
        {"FF FF FF FF FF FF", "", "987654", "39 38 37 36 35 34"},
        {"FF FF FF FF FF FF", "", "0", "30 FF FF FF FF FF"},
        {"31 32 41 34 FF FF", "12A4", "12", "31 32 FF FF FF FF"},
        {"31 32 41 34 FF FF", "12A4", "12A4", "31 32 41 34 FF FF"},
        // Refused rather than cut or stored as typed.
        {"FF FF FF FF FF FF", "", "12345678", ""},
        {"FF FF FF FF FF FF", "", "1234567", ""},
        {"FF FF FF FF FF FF", "", "12a4", ""},
        {"31 32 41 34 FF FF", "12A4", "12A", ""},
        {"FF FF FF FF FF FF", "", " 123", ""},
    };
    for (const PasswordCase& c : cases) {
        RadioImage image = newImage();
        put(image, 0x17D2, c.stored);
        OptionalFeaturesState state = loadOptionalFeatures(image);
        EXPECT_EQ(state.password, c.shown) << c.stored;
        if (c.typed) {
            state.password = *c.typed;
        }
        select(state, 1127, "Off");
        const RadioImage before = image;
        const FeaturesSaveResult saved = saveOptionalFeatures(state, image);
        if (std::string(c.afterOk).empty()) {
            EXPECT_EQ(saved.refusal, BuiltInText::PasswordDigitsOnly) << *c.typed;
            EXPECT_EQ(image, before) << *c.typed;
        } else {
            EXPECT_TRUE(saved) << c.stored;
            EXPECT_EQ(bytesAt(image, 0x17D2, 6), c.afterOk) << c.stored;
            EXPECT_EQ(bytesAt(image, 0x1265, 1), "B6");
        }
    }
}

TEST(OptionalFeatures, TheLanguageChangesTextsNotStoredValues) {
    RadioImage image = newImage();
    OptionalFeaturesState state = loadOptionalFeatures(image);
    const FeatureSetting& backLight = setting(1115);
    state.control(FeatureControlId{1115}).selection =
        backLight.indexOfText("打开", Language::Chinese);
    ASSERT_TRUE(saveOptionalFeatures(state, image));
    EXPECT_EQ(bytesAt(image, 0x1266, 1), "23");
    EXPECT_EQ(shown(loadOptionalFeatures(image), 1115), "On");
}

}  // namespace
}  // namespace kw
