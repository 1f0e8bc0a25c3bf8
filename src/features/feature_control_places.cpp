#include "features/feature_control_places.h"

#include <algorithm>
#include <array>

namespace kw {
namespace {

// Two columns of label and list, ten lines each, then OK/Cancel, then the bottom row.
constexpr std::array<FeatureControlPlace, kFeatureSettingCount> kPlaces{{
    {FeatureControlId{1115}, {8, 19, 72, 8}, {82, 17, 62, 12}},
    {FeatureControlId{1116}, {8, 36, 72, 8}, {82, 34, 62, 12}},
    {FeatureControlId{1121}, {8, 52, 72, 8}, {82, 50, 62, 12}},
    {FeatureControlId{1118}, {8, 68, 72, 8}, {82, 66, 62, 12}},
    {FeatureControlId{1119}, {8, 84, 72, 8}, {82, 82, 62, 12}},
    {FeatureControlId{1120}, {8, 100, 72, 8}, {82, 98, 62, 12}},
    {FeatureControlId{1117}, {8, 116, 72, 8}, {82, 114, 62, 12}},
    {FeatureControlId{1128}, {8, 132, 72, 8}, {82, 130, 62, 12}},
    {FeatureControlId{1127}, {8, 148, 72, 8}, {82, 146, 62, 12}},
    {FeatureControlId{1130}, {8, 165, 72, 8}, {82, 163, 62, 12}},
    {FeatureControlId{1122}, {152, 19, 80, 8}, {234, 17, 62, 12}},
    {FeatureControlId{1123}, {152, 36, 80, 8}, {234, 34, 62, 12}},
    {FeatureControlId{1124}, {152, 52, 80, 8}, {234, 50, 62, 12}},
    {FeatureControlId{1125}, {152, 68, 80, 8}, {234, 66, 62, 12}},
    {FeatureControlId{1126}, {152, 84, 80, 8}, {234, 82, 62, 12}},
    {FeatureControlId{1133}, {152, 100, 80, 8}, {234, 98, 62, 12}},
    {FeatureControlId{1129}, {152, 116, 80, 8}, {234, 114, 62, 12}},
    {FeatureControlId{1131}, {152, 132, 80, 8}, {234, 130, 62, 12}},
    {FeatureControlId{1136}, {152, 148, 80, 8}, {234, 146, 62, 12}},
    {FeatureControlId{1137}, {152, 165, 80, 8}, {234, 163, 62, 12}},
    {FeatureControlId{1134}, {}, {8, 205, 66, 10}},
    {FeatureControlId{1135}, {}, {78, 205, 72, 10}},
    {FeatureControlId{1132}, {152, 205, 80, 8}, {234, 203, 62, 12}},
}};

}  // namespace

std::span<const FeatureControlPlace, kFeatureSettingCount> featureControlPlaces() {
    return kPlaces;
}

std::optional<FeatureControlPlace> featureControlPlace(FeatureControlId controlId) {
    const auto found = std::find_if(kPlaces.begin(), kPlaces.end(), [&](const auto& place) {
        return place.controlId == controlId;
    });
    if (found == kPlaces.end()) {
        return std::nullopt;
    }
    return *found;
}

}  // namespace kw
