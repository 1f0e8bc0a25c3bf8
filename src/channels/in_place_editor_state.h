#pragma once
// The state of one in-place editor: an edit box or a drop-down list laid over the current
// cell. Only what the user does in it (typing, picking an item) counts as an edit;
// showing it over a cell and leaving again changes nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "res/control_id.h"

namespace kw {

enum class EditorKind { EditBox, DropDownList };

class InPlaceEditor {
  public:
    InPlaceEditor(ControlId<ProgramWindow> controlId, EditorKind kind,
                  std::vector<std::string> items, int maxLength);

    ControlId<ProgramWindow> controlId() const { return controlId_; }
    EditorKind kind() const { return kind_; }
    const std::vector<std::string>& items() const { return items_; }
    // Characters the user may type into an edit box; text put in by other means may be
    // longer (a name of eight bytes from the radio).
    int maxLength() const { return maxLength_; }

    bool visible() const { return visible_; }
    bool edited() const { return edited_; }
    // An edit box's text, or the selected item's text.
    const std::string& text() const;
    int selectedIndex() const { return selected_; }

    // Shows the editor over a cell holding `cellText`: an edit box takes the text, a list
    // selects the first item that begins with it, ignoring case (item 0 when none does).
    void show(std::string_view cellText);
    void hide() { visible_ = false; }

    // The user's edits: replacing an edit box's whole text (typing or pasting), picking
    // an item of a list.
    void type(std::string text);
    void pick(int index);
    // After a rejection by Enter: an empty editor that stays, counted as not edited.
    void clearAfterRejection();

    // The item whose text is exactly `text`.
    std::optional<int> itemIndex(std::string_view text) const;

  private:
    ControlId<ProgramWindow> controlId_;
    EditorKind kind_;
    std::vector<std::string> items_;
    int maxLength_;
    bool visible_ = false;
    bool edited_ = false;
    std::string text_;
    int selected_ = 0;
};

}  // namespace kw
