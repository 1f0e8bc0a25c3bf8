#pragma once
// Dialog 133, "Optional Features", as a template: where each control of the settings
// table sits, in dialog units (converted with the dialog font's metrics). The texts come
// from the settings table, so the dialog only builds and places widgets.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "features/feature_settings.h"
#include "res/dialog_rect.h"

namespace kw {

struct FeatureControlPlace {
    FeatureControlId controlId;
    DialogRect label;  // the static text left of the control; empty for check boxes
    DialogRect control;
};

inline constexpr int kOptionalFeaturesDialogId = 133;
inline constexpr LocalText kOptionalFeaturesTitle{"Optional Features", "可选功能"};
inline constexpr std::string_view kOptionalFeaturesFont = "Times New Roman";
inline constexpr int kOptionalFeaturesFontPoints = 9;
inline constexpr int kOptionalFeaturesWidth = 303;
inline constexpr int kOptionalFeaturesHeight = 230;

inline constexpr FeatureControlId kOkButtonId{1};  // the default button
inline constexpr FeatureControlId kCancelButtonId{2};
inline constexpr DialogRect kOkButton{94, 184, 50, 14};
inline constexpr DialogRect kCancelButton{158, 184, 50, 14};

// After loading, the window's height becomes the distance from its top to the top of
// this control, less one pixel; the row below the buttons then lies outside the window.
inline constexpr FeatureControlId kTrimmedAtControlId{1132};

// In the order of featureSettings(), which is also the tab order.
std::span<const FeatureControlPlace, kFeatureSettingCount> featureControlPlaces();

std::optional<FeatureControlPlace> featureControlPlace(FeatureControlId controlId);

}  // namespace kw
