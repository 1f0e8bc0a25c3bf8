#include "features/feature_settings.h"

#include <algorithm>
#include <array>

namespace kw {
namespace {

using enum FeatureControl;

constexpr LocalText kOn{"On", "开"};
constexpr LocalText kOff{"Off", "关"};
constexpr LocalText kOffLong{"Off", "关闭"};
constexpr LocalText kAuto{"Auto", "自动"};
constexpr LocalText kManual{"Manual", "手动"};

constexpr FeatureEntry kBackLight[] = {{kOffLong, 0}, {kAuto, 1}, {{"On", "打开"}, 2}};
constexpr FeatureEntry kBackLightColor[] = {
    {{"Light 1", "颜色1"}, 0}, {{"Light 2", "颜色2"}, 1}, {{"Light 3", "颜色3"}, 2}};
constexpr FeatureEntry kPowerOnStyle[] = {
    {kOffLong, 0}, {{"Voltage", "电压值"}, 1}, {{"Message", "欢迎信息"}, 2}};
constexpr FeatureEntry kAutoManual[] = {{kAuto, 0}, {kManual, 1}};
constexpr FeatureEntry kDisplayMode[] = {{{"CHANNEL", "纯信道"}, 0},
                                         {{"NAME", "信道名称"}, 1},
                                         {{"FREQ.CH", "频率信道"}, 2},
                                         {{"FREQ", "频率"}, 3}};
constexpr FeatureEntry kOnOff[] = {{kOn, 1}, {kOff, 0}};
constexpr FeatureEntry kOffOn[] = {{kOff, 0}, {kOn, 1}};
constexpr FeatureEntry kScanMode[] = {
    {{"TO", "时间"}, 0}, {{"CO", "载波"}, 1}, {{"SE", "搜索"}, 2}};
constexpr FeatureEntry kStep[] = {{{"5", "5"}, 0},
                                  {{"6.25", "6.25"}, 1},
                                  {{"10", "10"}, 2},
                                  {{"12.5", "12.5"}, 3},
                                  {{"25", "25"}, 4}};
// "Singal" is the item's text as it stands, misspelling and all.
constexpr FeatureEntry kOrangeKey[] = {{{"Send 1750 Singal", "发射1750信号"}, 1},
                                       {{"Emergency Call", "发射报警信号"}, 2},
                                       {kOffLong, 0}};
constexpr FeatureEntry kAllowReset[] = {{{"Enable", "允许"}, 1}, {{"Disable", "禁止"}, 0}};
constexpr FeatureEntry kMskType[] = {{{"MSK-I", "MSK-I"}, 1}, {{"MSK-II", "MSK-II"}, 0}};

constexpr BitField wholeByte(std::size_t offset) {
    return {offset, 0, 8};
}
constexpr BitField bits(std::size_t offset, int shift, int width) {
    return {offset, shift, width};
}

constexpr std::array<FeatureSetting, kFeatureSettingCount> kSettings{{
    {.controlId = FeatureControlId{1115},
     .control = DropDownList,
     .label = {"Back Light", "背光"},
     .field = bits(option::kDisplayOptions, 4, 2),
     .entries = kBackLight,
     .newDocumentValue = 1},
    {.controlId = FeatureControlId{1116},
     .control = DropDownList,
     .label = {"Back Light Color", "背光颜色"},
     .field = bits(option::kDisplayOptions, 6, 2),
     .entries = kBackLightColor,
     .newDocumentValue = 0},
    {.controlId = FeatureControlId{1121},
     .control = DropDownList,
     .label = {"Power-on Style", "开机显示"},
     .field = bits(option::kDisplayOptions, 2, 2),
     .entries = kPowerOnStyle,
     .newDocumentValue = 0},
    {.controlId = FeatureControlId{1118},
     .control = DropDownList,
     .label = {"Key Lock", "按键锁定"},
     .field = bits(option::kKeyOptions, 2, 1),
     .entries = kAutoManual,
     .newDocumentValue = 1},
    {.controlId = FeatureControlId{1119},
     .control = DropDownList,
     .label = {"Priority Channel", "优先信道"},
     .field = wholeByte(option::kPriorityChannel),
     .numbered = {{"None", "无"}, 1 + kChannelCount, 1},
     .newDocumentValue = 0},
    // A byte above 9 leaves this list without a selection, where the others show entry 0.
    {.controlId = FeatureControlId{1120},
     .control = DropDownList,
     .label = {"Vox Gain Level", "声控灵敏度"},
     .field = wholeByte(option::kVoxGainLevel),
     .numbered = {kOff, 10, 1},
     .unlistedIndex = std::nullopt,
     .newDocumentValue = 0},
    {.controlId = FeatureControlId{1117},
     .control = DropDownList,
     .label = {"Display Mode", "显示模式"},
     .field = bits(option::kDisplayMode, 0, 2),
     .entries = kDisplayMode,
     .newDocumentValue = 2},
    {.controlId = FeatureControlId{1128},
     .control = DropDownList,
     .label = {"Battery Saver", "省电"},
     .field = bits(option::kSaverOptions, 0, 1),
     .entries = kOnOff,
     .newDocumentValue = 1},
    {.controlId = FeatureControlId{1127},
     .control = DropDownList,
     .label = {"Beep", "按键音"},
     .field = bits(option::kKeyOptions, 3, 1),
     .entries = kOnOff,
     .newDocumentValue = 1},
    {.controlId = FeatureControlId{1130},
     .control = DropDownList,
     .label = {"Tail", "尾音消除"},
     .field = bits(option::kKeyOptions, 7, 1),
     .entries = kOffOn,
     .newDocumentValue = 1},
    {.controlId = FeatureControlId{1122},
     .control = DropDownList,
     .label = {"Scan Mode", "扫描模式"},
     .field = bits(option::kKeyOptions, 5, 2),
     .entries = kScanMode,
     .newDocumentValue = 1},
    {.controlId = FeatureControlId{1123},
     .control = DropDownList,
     .label = {"Squelch Level", "静噪等级"},
     .field = wholeByte(option::kSquelchLevel),
     .numbered = {{}, 10, 1},
     .newDocumentValue = 4},
    {.controlId = FeatureControlId{1124},
     .control = DropDownList,
     .label = {"Step (k)", "步进 (k)"},
     .field = wholeByte(option::kStep),
     .entries = kStep,
     .newDocumentValue = 0},
    {.controlId = FeatureControlId{1125},
     .control = DropDownList,
     .label = {"TOT (s)", "发射限时 (s)"},
     .field = wholeByte(option::kTimeOutTimer),
     .numbered = {kOffLong, 10, 30},
     .newDocumentValue = 1},
    {.controlId = FeatureControlId{1126},
     .control = DropDownList,
     .label = {"TOT Pre-Alert (s)", "发射限时预警 (s)"},
     .field = wholeByte(option::kTimeOutPreAlert),
     .numbered = {kOffLong, 10, 1},
     .newDocumentValue = 0},
    {.controlId = kPasswordControlId,
     .control = PasswordEdit,
     .label = {"Password", "密码"},
     .newDocumentValue = kEmptyByte},
    {.controlId = FeatureControlId{1129},
     .control = DropDownList,
     .label = {"Stopwatch", "秒表"},
     .field = bits(option::kKeyOptions, 4, 1),
     .entries = kOnOff,
     .newDocumentValue = 1},
    // Value 3 has no entry and shows "Emergency Call".
    {.controlId = FeatureControlId{1131},
     .control = DropDownList,
     .label = {"Short Press Orange Key", "短按橙色键"},
     .field = bits(option::kKeyOptions, 0, 2),
     .entries = kOrangeKey,
     .unlistedIndex = 1,
     .newDocumentValue = 2},
    {.controlId = FeatureControlId{1136},
     .control = DropDownList,
     .label = {"STR Set", "STR 设置"},
     .field = bits(option::kDisplayOptions, 0, 1),
     .entries = kAutoManual,
     .newDocumentValue = 1},
    // Only "Disable" clears the bit, so a list without a selection enables reset.
    {.controlId = FeatureControlId{1137},
     .control = DropDownList,
     .label = {"Allow Reset", "允许复位"},
     .field = bits(option::kMskOptions, 4, 1),
     .entries = kAllowReset,
     .unselectedValue = 1,
     .newDocumentValue = 0},
    {.controlId = FeatureControlId{1134},
     .control = CheckBox,
     .label = {"Keypad Lock", "键盘锁"},
     .field = bits(option::kSaverOptions, 7, 1),
     .checkedValue = 0,
     .newDocumentValue = 1},
    {.controlId = FeatureControlId{1135},
     .control = CheckBox,
     .label = {"Repeater Msk Invert", "中继 MSK 反相"},
     .field = bits(option::kMskOptions, 1, 1),
     .checkedValue = 1,
     .newDocumentValue = 0},
    {.controlId = FeatureControlId{1132},
     .control = DropDownList,
     .label = {"MSK Type", "MSK 类型"},
     .field = bits(option::kMskOptions, 0, 1),
     .entries = kMskType,
     .newDocumentValue = 1},
}};

}  // namespace

int FeatureSetting::entryCount() const {
    return entries.empty() ? numbered.count : static_cast<int>(entries.size());
}

std::string FeatureSetting::entryText(int index, Language language) const {
    if (!entries.empty()) {
        return std::string(entries[static_cast<std::size_t>(index)].text.in(language));
    }
    if (index == 0 && !numbered.zero.english.empty()) {
        return std::string(numbered.zero.in(language));
    }
    return std::to_string(index * numbered.step);
}

std::uint8_t FeatureSetting::entryValue(int index) const {
    return entries.empty() ? static_cast<std::uint8_t>(index)
                           : entries[static_cast<std::size_t>(index)].value;
}

std::vector<std::string> FeatureSetting::entryTexts(Language language) const {
    std::vector<std::string> texts;
    for (int i = 0; i < entryCount(); ++i) {
        texts.push_back(entryText(i, language));
    }
    return texts;
}

std::optional<int> FeatureSetting::indexOfValue(std::uint8_t value) const {
    for (int i = 0; i < entryCount(); ++i) {
        if (entryValue(i) == value) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> FeatureSetting::indexOfText(std::string_view text, Language language) const {
    for (int i = 0; i < entryCount(); ++i) {
        if (entryText(i, language) == text) {
            return i;
        }
    }
    return std::nullopt;
}

std::span<const FeatureSetting, kFeatureSettingCount> featureSettings() {
    return kSettings;
}

std::optional<std::size_t> featureIndexOfControl(FeatureControlId controlId) {
    const auto found =
        std::find_if(kSettings.begin(), kSettings.end(),
                     [&](const FeatureSetting& s) { return s.controlId == controlId; });
    if (found == kSettings.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kSettings.begin());
}

std::optional<std::size_t> featureIndexOfLabel(std::string_view label, Language language) {
    const auto found =
        std::find_if(kSettings.begin(), kSettings.end(),
                     [&](const FeatureSetting& s) { return s.label.in(language) == label; });
    if (found == kSettings.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kSettings.begin());
}

}  // namespace kw
