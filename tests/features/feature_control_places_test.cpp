#include <gtest/gtest.h>

#include "features/feature_control_places.h"

namespace kw {
namespace {

bool inside(const DialogRect& r, int width, int height) {
    return r.x >= 0 && r.y >= 0 && r.x + r.width <= width && r.y + r.height <= height;
}

bool overlap(const DialogRect& a, const DialogRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

TEST(FeatureControlPlaces, EverySettingHasItsPlaceInTableOrder) {
    const auto settings = featureSettings();
    const auto places = featureControlPlaces();
    for (std::size_t i = 0; i < settings.size(); ++i) {
        EXPECT_EQ(places[i].controlId, settings[i].controlId);
        const bool checkBox = settings[i].control == FeatureControl::CheckBox;
        EXPECT_EQ(places[i].label.width == 0, checkBox) << places[i].controlId.number();
    }
    EXPECT_EQ(featureControlPlace(FeatureControlId{1125})->control.y, 66);
    EXPECT_FALSE(featureControlPlace(kOkButtonId));
}

TEST(FeatureControlPlaces, ControlsSitOnTheirLinesInsideTheDialogWithoutOverlapping) {
    // The line of each control from the top of the dialog, in dialog units.
    const std::pair<int, int> lines[] = {
        {1115, 17},  {1116, 34},  {1121, 50},  {1118, 66},  {1119, 82},  {1120, 98},
        {1117, 114}, {1128, 130}, {1127, 146}, {1130, 163}, {1122, 17},  {1123, 34},
        {1124, 50},  {1125, 66},  {1126, 82},  {1133, 98},  {1129, 114}, {1131, 130},
        {1136, 146}, {1137, 163}, {1134, 205}, {1135, 205}, {1132, 203}};
    for (const auto& [id, line] : lines) {
        EXPECT_EQ(featureControlPlace(FeatureControlId{id})->control.y, line) << id;
    }
    std::vector<DialogRect> rects{kOkButton, kCancelButton};
    for (const FeatureControlPlace& place : featureControlPlaces()) {
        rects.push_back(place.control);
        if (place.label.width != 0) {
            rects.push_back(place.label);
        }
    }
    for (std::size_t i = 0; i < rects.size(); ++i) {
        EXPECT_TRUE(inside(rects[i], kOptionalFeaturesWidth, kOptionalFeaturesHeight)) << i;
        for (std::size_t j = i + 1; j < rects.size(); ++j) {
            EXPECT_FALSE(overlap(rects[i], rects[j])) << i << ' ' << j;
        }
    }
    // The trim keeps the buttons and cuts off the row below them.
    const int trimmedAt = featureControlPlace(kTrimmedAtControlId)->control.y;
    EXPECT_LT(kOkButton.y + kOkButton.height, trimmedAt);
    EXPECT_GE(featureControlPlace(FeatureControlId{1134})->control.y, trimmedAt);
}

}  // namespace
}  // namespace kw
