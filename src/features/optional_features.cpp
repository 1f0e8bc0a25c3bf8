#include "features/optional_features.h"

#include "features/password_text.h"

namespace kw {
namespace {

// An ID that names no setting is a programming error, not input.
std::size_t indexOfControl(FeatureControlId controlId) {
    return featureIndexOfControl(controlId).value();
}

std::uint8_t valueToStore(const FeatureSetting& setting, const FeatureControlState& control) {
    if (setting.control == FeatureControl::CheckBox) {
        return control.checked ? setting.checkedValue
                               : static_cast<std::uint8_t>(setting.checkedValue ^ 1u);
    }
    if (!control.selection || *control.selection < 0 ||
        *control.selection >= setting.entryCount()) {
        return setting.unselectedValue;
    }
    return setting.entryValue(*control.selection);
}

}  // namespace

FeatureControlState& OptionalFeaturesState::control(FeatureControlId controlId) {
    return controls[indexOfControl(controlId)];
}

const FeatureControlState& OptionalFeaturesState::control(FeatureControlId controlId) const {
    return controls[indexOfControl(controlId)];
}

OptionalFeaturesState loadOptionalFeatures(const RadioImage& image) {
    OptionalFeaturesState state;
    const auto settings = featureSettings();
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const FeatureSetting& setting = settings[i];
        switch (setting.control) {
            case FeatureControl::DropDownList: {
                const auto index = setting.indexOfValue(setting.field.read(image));
                state.controls[i].selection = index ? index : setting.unlistedIndex;
                break;
            }
            case FeatureControl::CheckBox:
                state.controls[i].checked = setting.field.read(image) == setting.checkedValue;
                break;
            case FeatureControl::PasswordEdit:
                state.password = passwordText(image);
                break;
        }
    }
    return state;
}

FeaturesSaveResult saveOptionalFeatures(const OptionalFeaturesState& state, RadioImage& image) {
    const bool passwordEdited = state.password != passwordText(image);
    if (passwordEdited && !isValidPassword(state.password)) {
        return {BuiltInText::PasswordDigitsOnly};
    }
    const auto settings = featureSettings();
    for (std::size_t i = 0; i < settings.size(); ++i) {
        if (settings[i].control != FeatureControl::PasswordEdit) {
            settings[i].field.write(image, valueToStore(settings[i], state.controls[i]));
        }
    }
    if (passwordEdited) {
        writePassword(image, state.password);
    }
    return {};
}

}  // namespace kw
