#include "channels/in_place_editor_state.h"

#include <algorithm>
#include <cassert>

namespace kw {
namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool beginsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

}  // namespace

InPlaceEditor::InPlaceEditor(ControlId<ProgramWindow> controlId, EditorKind kind,
                             std::vector<std::string> items, int maxLength)
    : controlId_(controlId), kind_(kind), items_(std::move(items)), maxLength_(maxLength) {}

const std::string& InPlaceEditor::text() const {
    if (kind_ == EditorKind::DropDownList) {
        return items_[static_cast<std::size_t>(selected_)];
    }
    return text_;
}

void InPlaceEditor::show(std::string_view cellText) {
    if (kind_ == EditorKind::DropDownList) {
        const auto found = std::find_if(items_.begin(), items_.end(), [&](const std::string& item) {
            return beginsWithIgnoringCase(item, cellText);
        });
        selected_ = found == items_.end() ? 0 : static_cast<int>(found - items_.begin());
    } else {
        text_ = cellText;
    }
    edited_ = false;
    visible_ = true;
}

void InPlaceEditor::type(std::string text) {
    assert(kind_ == EditorKind::EditBox);
    text_ = std::move(text);
    edited_ = true;
}

void InPlaceEditor::pick(int index) {
    assert(kind_ == EditorKind::DropDownList && index >= 0 &&
           index < static_cast<int>(items_.size()));
    selected_ = index;
    edited_ = true;
}

void InPlaceEditor::clearAfterRejection() {
    text_.clear();
    edited_ = false;
}

std::optional<int> InPlaceEditor::itemIndex(std::string_view text) const {
    const auto found = std::find(items_.begin(), items_.end(), text);
    if (found == items_.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - items_.begin());
}

}  // namespace kw
