#include <gtest/gtest.h>

#include <set>

#include "features/optional_features_template.h"

namespace kw {
namespace {

std::vector<int> controlIds(const DialogResource& dialog) {
    std::vector<int> ids;
    for (const ControlResource& control : dialog.controls) {
        if (control.id != 65535) {
            ids.push_back(control.id);
        }
    }
    return ids;
}

TEST(OptionalFeaturesTemplate, ControlsFollowTheSettingsThenOkAndCancel) {
    for (const Language language : {Language::English, Language::Chinese}) {
        std::vector<int> expected;
        for (const FeatureSetting& setting : featureSettings()) {
            expected.push_back(setting.controlId.number());
        }
        expected.push_back(1);
        expected.push_back(2);
        const DialogResource& dialog = optionalFeaturesTemplate(language);
        EXPECT_EQ(controlIds(dialog), expected);
        EXPECT_EQ(dialog.id, 133);
        EXPECT_EQ(dialog.width, 303);
        EXPECT_EQ(dialog.height, 230);
    }
}

struct TextCase {
    Language language;
    const char* title;
    const char* firstLabel;
    const char* checkBox;  // control 1134
    const char* ok;
};

TEST(OptionalFeaturesTemplate, TextsComeInTheDialogsLanguage) {
    for (const TextCase& c :
         {TextCase{Language::English, "Optional Features", "Back Light", "Keypad Lock", "OK"},
          TextCase{Language::Chinese, "可选功能", "背光", nullptr, "确定"}}) {
        const DialogResource& dialog = optionalFeaturesTemplate(c.language);
        EXPECT_EQ(dialog.caption, c.title);
        EXPECT_EQ(dialog.controls.front().text, c.firstLabel);
        EXPECT_EQ(dialog.controls.front().kind, ControlKind::Static);
        for (const ControlResource& control : dialog.controls) {
            if (control.id == 1134) {
                EXPECT_EQ(control.kind, ControlKind::CheckBox);
                EXPECT_FALSE(control.text.empty());
                if (c.checkBox) {
                    EXPECT_EQ(control.text, c.checkBox);
                }
            }
            if (control.id == 1) {
                EXPECT_EQ(control.text, c.ok);
                EXPECT_EQ(control.kind, ControlKind::DefaultPushButton);
            }
        }
    }
}

TEST(OptionalFeaturesTemplate, TheTrimCutsOffExactlyTheBottomRow) {
    EXPECT_EQ(trimmedHeight(), 203);
    std::set<int> trimmed;
    for (const ControlResource& control : optionalFeaturesTemplate(Language::English).controls) {
        if (isTrimmedOff(control.rect) && control.id != 65535) {
            trimmed.insert(control.id);
        }
    }
    EXPECT_EQ(trimmed, (std::set<int>{1132, 1134, 1135}));
}

}  // namespace
}  // namespace kw
