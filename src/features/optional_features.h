#pragma once
// The "Optional Features" dialog without widgets: what its controls show when it opens
// and what OK stores. The dialog binds its controls to the state; the radio image stays
// the only store of the settings.

#include <array>
#include <optional>
#include <string>

#include "features/feature_settings.h"
#include "model/radio_image.h"
#include "res/messages.h"

namespace kw {

struct FeatureControlState {
    std::optional<int> selection;  // drop-down lists; an index past the list counts as none
    bool checked = false;          // check boxes
};

struct OptionalFeaturesState {
    // In the order of featureSettings(); the password's slot is not used.
    std::array<FeatureControlState, kFeatureSettingCount> controls;
    std::string password;  // the Password edit's text

    FeatureControlState& control(FeatureControlId controlId);
    const FeatureControlState& control(FeatureControlId controlId) const;
};

// OnInitDialog: each control as the image's bytes say, with the fallbacks for values
// that have no entry.
[[nodiscard]] OptionalFeaturesState loadOptionalFeatures(const RadioImage& image);

struct [[nodiscard]] FeaturesSaveResult {
    std::optional<BuiltInText> refusal;  // when set, nothing was stored

    explicit operator bool() const { return !refusal; }
};

// OnOK: every setting into its own bits. A password text still as loaded leaves the
// password bytes alone; a changed one must be valid (isValidPassword) or nothing is stored.
FeaturesSaveResult saveOptionalFeatures(const OptionalFeaturesState& state, RadioImage& image);

}  // namespace kw
