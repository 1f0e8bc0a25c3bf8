#pragma once
// Dialog 133 as a dialog template in either language, built from the settings table and
// the control places, and the rule that says which controls the trimmed window cuts off.

#include "features/feature_control_places.h"
#include "res/resource_set.h"

namespace kw {

// Each setting's label (if it has one) and control in table order, then OK and Cancel;
// the widgets' tab order is this order.
[[nodiscard]] const DialogResource& optionalFeaturesTemplate(Language language);

// The trimmed window's height in dialog units: it ends just above the MSK Type list.
[[nodiscard]] int trimmedHeight();

// A control that starts at or below the trimmed height lies outside the window, so it
// must not take the focus either: a user could change it without seeing it.
[[nodiscard]] bool isTrimmedOff(const DialogRect& rect);

}  // namespace kw
