#include "cell_refusal.h"

#include "channels/refusal_text.h"

namespace kw::cli {
namespace {

constexpr std::size_t kListedItems = 3;

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

std::string choices(const std::vector<std::string>& items) {
    if (items.size() > kListedItems) {
        return "one of the " + std::to_string(items.size()) + " texts of its list, " +
               quoted(items[0]) + ", " + quoted(items[1]) + " ... " + quoted(items.back());
    }
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == items.size() ? " or " : ", ") + quoted(items[i]);
    }
    return text;
}

}  // namespace

std::string refusalReason(const CellEditResult& result, const ChannelEditors& editors,
                          GridCell cell, std::string_view value, BandLimits band) {
    if (result.notAnItem) {
        const bool tone = cell.column == kDecodeToneColumn || cell.column == kEncodeToneColumn;
        return quoted(value) + " is not a value of " +
               quoted(columnTitle(cell.column, Language::English)) + "; choose " +
               choices(editors.forColumn(cell.column).items()) +
               (tone ? "; see \"kwprog-cli tones\"." : ".");
    }
    return commitRefusalText(result.commit, band);
}

}  // namespace kw::cli
