#include <algorithm>
#include <array>

#include "cell_refusal.h"
#include "channels/cell_names.h"
#include "commands.h"
#include "document_lock.h"
#include "document_report.h"
#include "exit_status.h"
#include "language_option.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{kLanguageOption}};

// ROW:COL with ROW 1-128 or Fr and COL 1-9 or a column's name.
std::optional<GridCell> cellOf(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto row = rowNamed(text.substr(0, colon));
    const auto column = columnNamed(text.substr(colon + 1), true);
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

// A value for another column on a row that has no Rx, neither now nor from this command.
const Assignment* valueWithoutRx(const std::vector<Assignment>& assignments,
                                 const ChannelGrid& grid) {
    for (const Assignment& assignment : assignments) {
        const int row = assignment.cell.row;
        std::string rx = grid.text(row, kRxColumn);
        for (const Assignment& other : assignments) {
            if (other.cell == GridCell{row, kRxColumn}) {
                rx = other.value;
            }
        }
        if (assignment.cell.column != kRxColumn && rx.empty()) {
            return &assignment;
        }
    }
    return nullptr;
}

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
                           "1-9 or a column's name.\n";
            return kBadInput;
        }
        assignments.push_back({*cell, words[i].substr(0, equals), words[i].substr(equals + 1)});
    }
    // Rx first: a new channel's defaults never overwrite a value given beside its Rx.
    std::stable_partition(assignments.begin(), assignments.end(),
                          [](const Assignment& a) { return a.cell.column == kRxColumn; });
    const std::string& path = words[0];
    const auto lock = lockForChange(path, context);
    if (!lock) {
        return kBadInput;
    }
    DocumentSession document(context.product, *language);
    if (!openDocument(document, path, context)) {
        return kBadInput;
    }
    if (const Assignment* orphan = valueWithoutRx(assignments, document.grid())) {
        context.err << "Cell " << orphan->cellText << ": row " << rowTitle(orphan->cell.row)
                    << " has no Rx frequency.\n";
        return kRefused;
    }
    for (const Assignment& assignment : assignments) {
        const CellEditResult result = editCell(document.grid(), document.editors(), assignment.cell,
                                               assignment.value, context.product);
        if (!result.accepted()) {
            context.err << "Cell " << assignment.cellText << ": "
                        << refusalReason(result, document.editors(), assignment.cell,
                                         assignment.value, context.product.limitsMhz())
                        << '\n';
            return kRefused;
        }
        if (result.commit.changed) {
            context.err << changedValueWarning(*result.commit.changed, Language::English) << '\n';
        }
    }
    return saveDocument(document, path, context) ? kDone : kBadInput;
}

}  // namespace

constexpr std::array<OptionHelp, 1> kHelp{{kLanguageHelp}};
constexpr std::array<std::string_view, 3> kExamples{
    "kwprog-cli set radio.dat 12:rx=145.5 12:name=CALL fr:tx=146",
    "kwprog-cli set radio.dat 3:1=145.5 3:4=88.5 \"3:Busy Lock=Carrier\"",
    "kwprog-cli set radio.dat 7:rx=145 7:dec=d023n 7:enc=100 --lang zh"};
constexpr std::string_view kDetails =
    "CELL is ROW:COL. ROW is 1-128 or Fr; COL is 1-9, a column heading in either language, or\n"
    "one of rx, tx, dec, enc, name, power, wn, scan, busy (any letter case).\n"
    "A tone is a text of \"kwprog-cli tones\", 100 for 100.0, d023n for D023N, or none, off or\n"
    "nothing for no tone. In a name, \\xHH stands for the byte HH and \\\\ for a backslash.\n";

const Command kSetCommand{"set",
                          "FILE CELL=VALUE... [--lang en|zh]",
                          kOptions,
                          2,
                          SIZE_MAX,
                          runSet,
                          {"Changes channel cells as typing them would, then saves the document.",
                           kHelp, kExamples, kDetails}};

}  // namespace kw::cli
