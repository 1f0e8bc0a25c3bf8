#pragma once
// The kinds of change a document's undo history records, and their names as the Edit
// menu shows them ("Undo Paste", "Redo Sort").

#include <optional>
#include <string>
#include <string_view>

#include "res/language.h"

namespace kw {

enum class HistoryStep {
    Typing,
    Paste,
    Cut,
    Insert,
    Delete,
    Move,
    Duplicate,
    SetForSelectedRows,
    FillDown,
    Sort,
    Import,
    Read,
    ProductInformation,
    OptionalFeatures,
};

[[nodiscard]] std::string_view historyStepName(HistoryStep step, Language language);

// "Undo Paste" / "撤销粘贴"; "Undo" alone when there is nothing to undo.
[[nodiscard]] std::string undoItemText(std::optional<HistoryStep> step, Language language);
// "Redo Sort" / "重做排序"; "Redo" alone when there is nothing to redo.
[[nodiscard]] std::string redoItemText(std::optional<HistoryStep> step, Language language);

}  // namespace kw
