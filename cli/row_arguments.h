#pragma once
// The rows a row command names: ROWS as "5", "5-12" or "1,3,7-9", a single ROW, and the
// run every row command shares (lock, open, change, save).

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "channels/channel_rows.h"
#include "command.h"
#include "session/document_session.h"

namespace kw::cli {

// Channels 1-128 in the order given, ranges ascending; "Fr" alone when `allowFr`. Reports
// a malformed list on the error stream (exit status kBadInput).
[[nodiscard]] std::optional<RowList> rowsArgument(std::string_view text, bool allowFr,
                                                  CommandContext& context);
// One channel row, 1-128.
[[nodiscard]] std::optional<int> rowArgument(std::string_view text, CommandContext& context);

// Locks and opens `path`, applies `change`, and saves; a refused change is reported with
// its reason and leaves the file as it was (kRefused).
int changeDocumentRows(const std::string& path, CommandContext& context,
                       const std::function<RowEdit(DocumentSession&)>& change);

}  // namespace kw::cli
