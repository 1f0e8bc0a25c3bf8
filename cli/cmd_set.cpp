#include <array>
#include <charconv>

#include "cell_refusal.h"
#include "commands.h"
#include "document_io.h"
#include "document_lock.h"
#include "exit_status.h"
#include "language_option.h"

namespace kw::cli {
namespace {

constexpr std::array<OptionSpec, 1> kOptions{{kLanguageOption}};

std::optional<int> numberIn(std::string_view text, int lowest, int highest) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        number < lowest || number > highest) {
        return std::nullopt;
    }
    return number;
}

// ROW:COL with ROW 1-128 or Fr and COL 1-9.
std::optional<GridCell> cellOf(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rowText = text.substr(0, colon);
    const auto row = rowText == "Fr" ? std::optional(kFrRow)
                                     : numberIn(rowText, kFirstChannelRow, kChannelCount);
    const auto column = numberIn(text.substr(colon + 1), kRxColumn, kBusyLockColumn);
    if (!row || !column) {
        return std::nullopt;
    }
    return GridCell{*row, *column};
}

struct Assignment {
    GridCell cell;
    std::string cellText;
    std::string value;
};

int runSet(const Arguments& arguments, CommandContext& context) {
    const auto language = languageOption(arguments, context);
    if (!language) {
        return kBadInput;
    }
    const auto& words = arguments.positionals();
    std::vector<Assignment> assignments;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const auto equals = words[i].find('=');
        const auto cell = equals == std::string::npos
                              ? std::nullopt
                              : cellOf(std::string_view(words[i]).substr(0, equals));
        if (!cell) {
            context.err << "\"" << words[i]
                        << "\" is not CELL=VALUE with CELL as ROW:COL, ROW 1-128 or Fr, COL "
                           "1-9.\n";
            return kBadInput;
        }
        assignments.push_back({*cell, words[i].substr(0, equals), words[i].substr(equals + 1)});
    }
    const std::string& path = words[0];
    const auto lock = lockForChange(path, context);
    if (!lock) {
        return kBadInput;
    }
    auto view = openDocument(path, context, *language);
    if (!view) {
        return kBadInput;
    }
    for (const Assignment& assignment : assignments) {
        const CellEditResult result =
            editCell(view->grid, view->editors, assignment.cell, assignment.value, context.product);
        if (!result.accepted()) {
            context.err << "Cell " << assignment.cellText << ": "
                        << refusalReason(result, view->editors, assignment.cell, assignment.value)
                        << '\n';
            return kRefused;
        }
    }
    return saveDocument(*view, path, context) ? kDone : kBadInput;
}

}  // namespace

const Command kSetCommand{"set", "FILE CELL=VALUE... [--lang en|zh]", kOptions, 2, SIZE_MAX,
                          runSet};

}  // namespace kw::cli
