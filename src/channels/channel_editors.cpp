#include "channels/channel_editors.h"

#include <algorithm>
#include <cassert>

#include "channels/channel_name.h"
#include "channels/channel_words.h"
#include "channels/frequency_codec.h"
#include "channels/tone_table.h"

namespace kw {
namespace {

enum EditorSlot : std::size_t { kFrequency, kTone, kName, kPower, kWidth, kScanAdd, kBusyLock };

std::vector<std::string> words(Language language, std::initializer_list<ChannelWord> list) {
    std::vector<std::string> items;
    for (const ChannelWord& word : list) {
        items.emplace_back(word.in(language));
    }
    return items;
}

InPlaceEditor dropDown(ControlId<ProgramWindow> id, std::vector<std::string> items) {
    return {id, EditorKind::DropDownList, std::move(items), 0};
}

EditorSlot slotOfColumn(int column) {
    switch (column) {
        case kRxColumn:
        case kTxColumn:
            return kFrequency;
        case kDecodeToneColumn:
        case kEncodeToneColumn:
            return kTone;
        case kNameColumn:
            return kName;
        case kPowerColumn:
            return kPower;
        case kWidthColumn:
            return kWidth;
        case kScanAddColumn:
            return kScanAdd;
        default:
            assert(column == kBusyLockColumn);
            return kBusyLock;
    }
}

// A first frequency makes a channel: Tx as Rx, no tones, no name, the default flags.
void writeNewChannelDefaults(ChannelGrid& grid, int row, const std::string& rx) {
    const Language language = grid.language();
    grid.setText({row, kTxColumn}, rx);
    grid.setText({row, kDecodeToneColumn}, std::string(kNoToneWord.in(language)));
    grid.setText({row, kEncodeToneColumn}, std::string(kNoToneWord.in(language)));
    grid.setText({row, kNameColumn}, {});
    grid.setText({row, kPowerColumn}, std::string(kHighPowerWord.in(language)));
    grid.setText({row, kWidthColumn}, std::string(kWideWord.in(language)));
    grid.setText({row, kScanAddColumn}, std::string(kYesWord.in(language)));
    grid.setText({row, kBusyLockColumn}, std::string(kBusyOffWord.in(language)));
}

// What the frequency editor's key filter lets through: digits and at most one ".".
bool isTypeableFrequency(std::string_view text) {
    return text.find_first_not_of("0123456789.") == text.npos &&
           std::count(text.begin(), text.end(), '.') <= 1;
}

// The editor's text into the current cell by the column's rule; a refusal changes nothing.
// A Tx the rules move into the band is reported with what was given and what is stored.
CellCommitOutcome takeEditorText(ChannelGrid& grid, const std::string& typed,
                                 const ProductState& product) {
    const auto [row, column] = grid.current();
    const std::string rx = grid.text(row, kRxColumn);
    const std::string tx = grid.text(row, kTxColumn);
    if ((column == kRxColumn || column == kTxColumn) && !isTypeableFrequency(typed)) {
        return {CellCommitStatus::Rejected, MessageId::ErrorDataFormat, {}, {}};
    }
    CellCommitOutcome outcome;
    if (column == kRxColumn) {
        if (typed.empty()) {
            grid.clearChannel(row);
            return outcome;
        }
        ParsedFrequency parsed = parseFrequency(typed);
        if (const auto rejection = validateRx(parsed.value, product)) {
            return {CellCommitStatus::Rejected, rejection, {}, {}};
        }
        if (rx.empty()) {
            writeNewChannelDefaults(grid, row, parsed.text);
        }
        grid.setText({row, kRxColumn}, std::move(parsed.text));
    } else if (column == kTxColumn) {
        std::string stored = coerceTx(typed, rx, product);
        if (!rx.empty() && stored != parseFrequency(typed).text) {
            outcome.changed = ChangedValue{{row, kTxColumn}, typed, stored};
        }
        grid.setText({row, kTxColumn}, std::move(stored));
    } else if (rx.empty() && tx.empty()) {
        grid.setText({row, column}, {});
    } else if (column == kNameColumn) {
        GbkCodec codec;
        if (const ChannelNameEncoding name = encodeChannelName(typed, codec); !name) {
            return {CellCommitStatus::Rejected, {}, nameProblemText(name.problem), {}};
        }
        grid.setText({row, column}, typed);
    } else {
        grid.setText({row, column}, typed);
    }
    return outcome;
}

}  // namespace

std::string_view rejectionText(const CellCommitOutcome& outcome, Language language) {
    if (outcome.message) {
        return messageText(*outcome.message, language);
    }
    return outcome.nameProblem ? builtInText(*outcome.nameProblem, language) : std::string_view();
}

std::string changedValueWarning(const ChangedValue& change, Language language) {
    const std::string cell = rowTitle(change.cell.row) + ':' + std::to_string(change.cell.column);
    const std::string given = '"' + change.given + '"';
    const std::string stored = '"' + change.stored + '"';
    if (language == Language::Chinese) {
        return "警告：单元格 " + cell + " 输入的是 " + given + "，保存为 " + stored + "。";
    }
    return "Warning: cell " + cell + " was given " + given + " and stored as " + stored + ".";
}

ChannelEditors::ChannelEditors(Language language)
    : editors_{
          InPlaceEditor(kFrequencyEditorId, EditorKind::EditBox, {}, kFrequencyEditorLength),
          dropDown(kToneListId, buildToneList(language)),
          InPlaceEditor(kNameEditorId, EditorKind::EditBox, {}, kNameEditorLength),
          dropDown(kPowerListId, words(language, {kLowPowerWord, kHighPowerWord})),
          dropDown(kWidthListId, words(language, {kWideWord, kNarrowWord})),
          dropDown(kScanAddListId, words(language, {kYesWord, kNoWord})),
          dropDown(kBusyLockListId,
                   words(language, {kBusyOffWord, kBusyCarrierWord, kBusyToneWord})),
      } {}

InPlaceEditor& ChannelEditors::forColumn(int column) {
    return editors_[slotOfColumn(column)];
}

const InPlaceEditor& ChannelEditors::forColumn(int column) const {
    return editors_[slotOfColumn(column)];
}

void ChannelEditors::showEditor(const ChannelGrid& grid) {
    current(grid).show(grid.text(grid.current()));
}

void ChannelEditors::hideAll() {
    for (InPlaceEditor& editor : editors_) {
        editor.hide();
    }
}

CellCommitOutcome ChannelEditors::commitCell(ChannelGrid& grid, const ProductState& product) {
    InPlaceEditor& editor = current(grid);
    if (!editor.visible() || !editor.edited()) {
        editor.hide();
        return {};
    }
    const int row = grid.current().row;
    const auto before = grid.recordBytes(row);
    CellCommitOutcome outcome = takeEditorText(grid, editor.text(), product);
    if (outcome.rejected()) {
        return outcome;
    }
    editor.hide();
    // A document changes with its bytes only: an empty entry into an empty row is none.
    if (grid.recordBytes(row) != before) {
        outcome.status = CellCommitStatus::Committed;
    }
    return outcome;
}

EnterOutcome ChannelEditors::commitCellByEnter(ChannelGrid& grid, const ProductState& product) {
    EnterOutcome outcome{commitCell(grid, product), false};
    if (outcome.commit.rejected()) {
        current(grid).clearAfterRejection();
        outcome.keyToEditor = true;
    }
    return outcome;
}

}  // namespace kw
