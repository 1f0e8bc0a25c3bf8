#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "features/feature_settings.h"
#include "model/program_doc.h"
#include "session/new_document.h"

namespace kw {
namespace {

const FeatureSetting& setting(int controlId) {
    return featureSettings()[featureIndexOfControl(FeatureControlId{controlId}).value()];
}

std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts) {
        out += (out.empty() ? "" : "|") + text;
    }
    return out;
}

std::string numbers(int first, int last, int step, const std::string& lead) {
    std::string out = lead;
    for (int i = first; i <= last; ++i) {
        out += (out.empty() ? "" : "|") + std::to_string(i * step);
    }
    return out;
}

struct ListCase {
    int controlId;
    std::string english;
    std::string chinese;
};

TEST(FeatureSettings, ListTextsInBothLanguagesInListOrder) {
    const ListCase cases[] = {
        {1115, "Off|Auto|On", "关闭|自动|打开"},
        {1116, "Light 1|Light 2|Light 3", "颜色1|颜色2|颜色3"},
        {1121, "Off|Voltage|Message", "关闭|电压值|欢迎信息"},
        {1118, "Auto|Manual", "自动|手动"},
        {1119, numbers(1, 128, 1, "None"), numbers(1, 128, 1, "无")},
        {1120, numbers(1, 9, 1, "Off"), numbers(1, 9, 1, "关")},
        {1117, "CHANNEL|NAME|FREQ.CH|FREQ", "纯信道|信道名称|频率信道|频率"},
        {1128, "On|Off", "开|关"},
        {1127, "On|Off", "开|关"},
        {1130, "Off|On", "关|开"},
        {1122, "TO|CO|SE", "时间|载波|搜索"},
        {1123, numbers(0, 9, 1, ""), numbers(0, 9, 1, "")},
        {1124, "5|6.25|10|12.5|25", "5|6.25|10|12.5|25"},
        {1125, numbers(1, 9, 30, "Off"), numbers(1, 9, 30, "关闭")},
        {1126, numbers(1, 9, 1, "Off"), numbers(1, 9, 1, "关闭")},
        {1129, "On|Off", "开|关"},
        {1131, "Send 1750 Singal|Emergency Call|Off", "发射1750信号|发射报警信号|关闭"},
        {1136, "Auto|Manual", "自动|手动"},
        {1137, "Enable|Disable", "允许|禁止"},
        {1132, "MSK-I|MSK-II", "MSK-I|MSK-II"},
    };
    std::size_t lists = 0;
    for (const FeatureSetting& s : featureSettings()) {
        lists += s.control == FeatureControl::DropDownList ? 1 : 0;
    }
    EXPECT_EQ(lists, std::size(cases));
    for (const ListCase& c : cases) {
        const FeatureSetting& s = setting(c.controlId);
        EXPECT_EQ(s.control, FeatureControl::DropDownList) << c.controlId;
        EXPECT_EQ(joined(s.entryTexts(Language::English)), c.english) << c.controlId;
        EXPECT_EQ(joined(s.entryTexts(Language::Chinese)), c.chinese) << c.controlId;
    }
}

TEST(FeatureSettings, EveryControlOfTheDialogOnceWithItsKind) {
    const std::map<int, FeatureControl> others{{1133, FeatureControl::PasswordEdit},
                                               {1134, FeatureControl::CheckBox},
                                               {1135, FeatureControl::CheckBox}};
    std::set<int> ids;
    for (const FeatureSetting& s : featureSettings()) {
        ids.insert(s.controlId.number());
        const auto other = others.find(s.controlId.number());
        EXPECT_EQ(s.control, other == others.end() ? FeatureControl::DropDownList : other->second);
    }
    std::set<int> expected;
    for (int id = 1115; id <= 1137; ++id) {
        expected.insert(id);
    }
    EXPECT_EQ(ids, expected);
}

// The command line finds settings and values by their texts, so none may repeat.
TEST(FeatureSettings, LabelsAndEntriesAreUniqueInEachLanguage) {
    for (const Language language : {Language::English, Language::Chinese}) {
        std::set<std::string_view> labels;
        for (const FeatureSetting& s : featureSettings()) {
            EXPECT_TRUE(labels.insert(s.label.in(language)).second) << s.label.english;
            EXPECT_EQ(featureIndexOfLabel(s.label.in(language), language),
                      featureIndexOfControl(s.controlId));
            const auto texts = s.entryTexts(language);
            EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), texts.size())
                << s.label.english;
        }
    }
    EXPECT_FALSE(featureIndexOfLabel("Beep", Language::Chinese));
}

TEST(FeatureSettings, NoTwoSettingsShareABitAndEveryValueFitsItsField) {
    std::map<std::size_t, std::uint8_t> used;
    for (const FeatureSetting& s : featureSettings()) {
        if (s.control == FeatureControl::PasswordEdit) {
            continue;
        }
        EXPECT_EQ(used[s.field.offset] & s.field.mask(), 0) << s.label.english;
        used[s.field.offset] |= s.field.mask();
        std::set<std::uint8_t> values;
        for (int i = 0; i < s.entryCount(); ++i) {
            values.insert(s.entryValue(i));
            EXPECT_LT(s.entryValue(i), 1u << s.field.width) << s.label.english;
        }
        EXPECT_EQ(values.size(), static_cast<std::size_t>(s.entryCount())) << s.label.english;
        if (s.control == FeatureControl::CheckBox) {
            EXPECT_EQ(s.field.width, 1) << s.label.english;
        }
    }
}

TEST(FeatureSettings, NewDocumentValuesAreWhatANewDocumentHolds) {
    CProgramDoc document;
    ProductState product;
    startNewDocument(document, product, {}, Language::English);
    const RadioImage& image = document.image();
    for (const FeatureSetting& s : featureSettings()) {
        if (s.control == FeatureControl::PasswordEdit) {
            for (std::size_t i = 0; i < kPasswordSize; ++i) {
                EXPECT_EQ(image[kPassword + i], s.newDocumentValue);
            }
        } else {
            EXPECT_EQ(s.field.read(image), s.newDocumentValue) << s.label.english;
        }
    }
}

}  // namespace
}  // namespace kw
