#pragma once
// The seven in-place editors of the channel grid and the cell commit that takes an
// editor's text into the cell it covers.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "channels/channel_grid.h"
#include "channels/in_place_editor_state.h"
#include "model/product_state.h"
#include "res/messages.h"

namespace kw {

inline constexpr ControlId<ProgramWindow> kFrequencyEditorId{1127};
inline constexpr ControlId<ProgramWindow> kToneListId{1132};
inline constexpr ControlId<ProgramWindow> kNameEditorId{1126};
inline constexpr ControlId<ProgramWindow> kPowerListId{1129};
inline constexpr ControlId<ProgramWindow> kWidthListId{1128};
inline constexpr ControlId<ProgramWindow> kScanAddListId{1134};
inline constexpr ControlId<ProgramWindow> kBusyLockListId{1130};

inline constexpr int kFrequencyEditorLength = 9;
inline constexpr int kNameEditorLength = 7;

enum class CellCommitStatus {
    Unchanged,  // hidden, not edited, or the row's record bytes stay: the editor is hidden
    Committed,  // the row's record bytes changed with the editor's text; the editor is hidden
    Rejected,   // the cells kept their texts; the editor stays visible
};

// A value the rules stored other than given (a Tx outside the band becomes the band's
// lower limit), for the shell to point out.
struct ChangedValue {
    GridCell cell;
    std::string given;
    std::string stored;
};

struct [[nodiscard]] CellCommitOutcome {
    CellCommitStatus status = CellCommitStatus::Unchanged;
    // A rejected frequency: the shell shows it in a message box captioned "Caution".
    std::optional<MessageId> message;
    // A rejected name.
    std::optional<BuiltInText> nameProblem;
    std::optional<ChangedValue> changed;

    bool rejected() const { return status == CellCommitStatus::Rejected; }
};

// The rejection's text in `language`; empty when nothing was rejected.
[[nodiscard]] std::string_view rejectionText(const CellCommitOutcome& outcome, Language language);

// The warning that names the cell, what was given and what was stored, in `language`:
// 'Warning: cell 5:2 was given "600" and stored as "136.00000".'
[[nodiscard]] std::string changedValueWarning(const ChangedValue& change, Language language);

struct [[nodiscard]] EnterOutcome {
    CellCommitOutcome commit;
    // After a rejection the key goes on to the editor; otherwise to the form's own
    // processing.
    bool keyToEditor = false;
};

class ChannelEditors {
  public:
    // Items in `language`; all hidden.
    explicit ChannelEditors(Language language);

    std::span<const InPlaceEditor> all() const { return editors_; }
    InPlaceEditor& forColumn(int column);
    const InPlaceEditor& forColumn(int column) const;
    InPlaceEditor& current(const ChannelGrid& grid) { return forColumn(grid.current().column); }

    // Enter cell and mouse down: the current column's editor shows the current cell.
    void showEditor(const ChannelGrid& grid);
    // A grid scroll hides every editor.
    void hideAll();

    // Leave cell, and on request before a transfer's grid commit. Only an edited editor
    // changes cells; an Rx rejection leaves the row as it was and the editor in place.
    CellCommitOutcome commitCell(ChannelGrid& grid, const ProductState& product);
    // Enter in the frequency editor: as commitCell, but a rejection empties the editor.
    EnterOutcome commitCellByEnter(ChannelGrid& grid, const ProductState& product);

  private:
    std::array<InPlaceEditor, 7> editors_;
};

}  // namespace kw
