#include "features/optional_features_template.h"

#include <vector>

#include "res/chinese_resources.h"
#include "res/command_ids.h"

namespace kw {
namespace {

ControlKind kindOf(FeatureControl control) {
    switch (control) {
        case FeatureControl::DropDownList:
            return ControlKind::DropDownList;
        case FeatureControl::CheckBox:
            return ControlKind::CheckBox;
        case FeatureControl::PasswordEdit:
            return ControlKind::Edit;
    }
    return ControlKind::Static;
}

struct Template {
    explicit Template(Language language) {
        const auto settings = featureSettings();
        const auto places = featureControlPlaces();
        for (std::size_t i = 0; i < settings.size(); ++i) {
            const FeatureSetting& setting = settings[i];
            const std::string_view label = setting.label.in(language);
            if (setting.control == FeatureControl::CheckBox) {
                controls.push_back(
                    {setting.controlId.number(), ControlKind::CheckBox, label, places[i].control});
                continue;
            }
            controls.push_back(
                {control::kUnnamedStatic, ControlKind::Static, label, places[i].label});
            controls.push_back(
                {setting.controlId.number(), kindOf(setting.control), {}, places[i].control});
        }
        controls.push_back({kOkButtonId.number(), ControlKind::DefaultPushButton,
                            pick(language, "OK", "确定"), kOkButton});
        controls.push_back({kCancelButtonId.number(), ControlKind::PushButton,
                            pick(language, "Cancel", "取消"), kCancelButton});
        dialog = {kOptionalFeaturesDialogId,
                  kOptionalFeaturesTitle.in(language),
                  kOptionalFeaturesWidth,
                  kOptionalFeaturesHeight,
                  pick(language, kOptionalFeaturesFont, chinese::kDialogFont),
                  kOptionalFeaturesFontPoints,
                  controls,
                  HelpWindow::OptionalFeatures};
    }

    std::vector<ControlResource> controls;
    DialogResource dialog{};
};

}  // namespace

const DialogResource& optionalFeaturesTemplate(Language language) {
    static const Template english(Language::English);
    static const Template chinese(Language::Chinese);
    return (language == Language::Chinese ? chinese : english).dialog;
}

int trimmedHeight() {
    return featureControlPlace(kTrimmedAtControlId)->control.y;
}

bool isTrimmedOff(const DialogRect& rect) {
    return rect.y >= trimmedHeight();
}

}  // namespace kw
