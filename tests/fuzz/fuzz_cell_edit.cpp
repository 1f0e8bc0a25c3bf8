// Cell texts through the cell commit: any channel cell, either language and model, a
// list's own items and any other text, one edit after another. A refused edit changes no
// cell and says why; an accepted text is taken again unchanged, and the grid's image
// survives a refill and a second grid commit.
#include <fuzzer/FuzzedDataProvider.h>

#include "channels/cell_edit.h"
#include "fuzz_support.h"
#include "model/program_doc.h"

using kw::fuzz::expect;

namespace {

std::string valueFor(FuzzedDataProvider& input, const kw::InPlaceEditor& editor) {
    const auto& items = editor.items();
    if (!items.empty() && input.ConsumeBool()) {
        return items[input.ConsumeIntegralInRange<std::size_t>(0, items.size() - 1)];
    }
    return input.ConsumeRandomLengthString(24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const kw::Language language =
        input.ConsumeBool() ? kw::Language::Chinese : kw::Language::English;
    const kw::ProductState product = kw::fuzz::productOf(kw::kRadioModels[input.ConsumeBool()]);
    kw::ChannelGrid grid(language);
    kw::ChannelEditors editors(language);

    constexpr int kMostEdits = 32;
    for (int edits = 0; edits < kMostEdits && input.remaining_bytes() > 0; ++edits) {
        const kw::GridCell cell{
            input.ConsumeIntegralInRange(kw::kFirstChannelRow, kw::kFrRow),
            input.ConsumeIntegralInRange<int>(kw::kRxColumn, kw::kBusyLockColumn)};
        const std::string value = valueFor(input, editors.forColumn(cell.column));
        const kw::ChannelGrid before = grid;
        const kw::CellEditResult edit = kw::editCell(grid, editors, cell, value, product);
        if (!edit.accepted()) {
            kw::fuzz::expectSameCells(grid, before, "a refused edit changes no cell");
            expect(edit.notAnItem || !kw::rejectionText(edit.commit, language).empty(),
                   "a rejection is explained");
            continue;
        }
        const kw::ChannelGrid after = grid;
        const std::string shown = grid.text(cell);
        if (shown.empty() &&
            editors.forColumn(cell.column).kind() == kw::EditorKind::DropDownList) {
            continue;  // a channel without frequencies keeps no list value
        }
        const kw::CellEditResult again = kw::editCell(grid, editors, cell, shown, product);
        if (!again.accepted()) {
            std::fprintf(stderr, "row %d column %d: \"%s\" became \"%s\": %s\n", cell.row,
                         cell.column, value.c_str(), shown.c_str(),
                         std::string(kw::rejectionText(again.commit, language)).c_str());
            kw::fuzz::fail("the text a cell shows is accepted again");
        }
        kw::fuzz::expectSameCells(grid, after, "taking a cell's own text changes nothing");
    }

    // A refill may show a name's bytes otherwise than typed ("\x0A" for a line feed),
    // but what it shows must commit to the same bytes.
    kw::CProgramDoc document;
    grid.commit(document.image(), product);
    kw::ProductState refilledProduct;
    kw::ChannelGrid refilled(language);
    refilled.refill(document.image(), refilledProduct);
    kw::RadioImage again = kw::CProgramDoc().image();
    refilled.commit(again, refilledProduct);
    expect(again == document.image(), "the grid's image survives a refill");
    kw::ChannelGrid refilledAgain(language);
    refilledAgain.refill(again, refilledProduct);
    kw::fuzz::expectSameCells(refilled, refilledAgain, "a refilled grid refills the same");
    return 0;
}
