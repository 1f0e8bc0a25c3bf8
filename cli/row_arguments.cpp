#include "row_arguments.h"

#include "channels/cell_names.h"
#include "document_lock.h"
#include "document_report.h"
#include "exit_status.h"

namespace kw::cli {
namespace {

std::optional<int> channelRow(std::string_view text) {
    const auto row = rowNamed(text);
    return row && *row != kFrRow ? row : std::nullopt;
}

// "7" or "7-9".
bool appendItem(std::string_view item, RowList& rows) {
    const auto dash = item.find('-');
    const auto first = channelRow(item.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : channelRow(item.substr(dash + 1));
    if (!first || !last || *last < *first) {
        return false;
    }
    for (int row = *first; row <= *last; ++row) {
        rows.push_back(row);
    }
    return true;
}

}  // namespace

std::optional<RowList> rowsArgument(std::string_view text, bool allowFr, CommandContext& context) {
    if (allowFr && rowNamed(text) == kFrRow) {
        return RowList{kFrRow};
    }
    RowList rows;
    for (std::size_t start = 0; start <= text.size();) {
        const auto comma = std::min(text.find(',', start), text.size());
        if (!appendItem(text.substr(start, comma - start), rows)) {
            context.err << "\"" << text
                        << "\" is not ROWS: a channel 1-128, a range such as 5-12, or a list "
                           "such as 1,3,7-9"
                        << (allowFr ? "; or Fr alone" : "") << ".\n";
            return std::nullopt;
        }
        start = comma + 1;
    }
    return rows;
}

std::optional<int> rowArgument(std::string_view text, CommandContext& context) {
    const auto row = channelRow(text);
    if (!row) {
        context.err << "\"" << text << "\" is not a channel row 1-128.\n";
    }
    return row;
}

int changeDocumentRows(const std::string& path, CommandContext& context,
                       const std::function<RowEdit(DocumentSession&)>& change) {
    const auto lock = lockForChange(path, context);
    if (!lock) {
        return kBadInput;
    }
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, path, context)) {
        return kBadInput;
    }
    const RowEdit edit = change(document);
    if (!edit) {
        context.err << rowRefusalText(edit, Language::English) << '\n';
        return kRefused;
    }
    return saveDocument(document, path, context) ? kDone : kBadInput;
}

}  // namespace kw::cli
