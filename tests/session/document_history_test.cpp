#include "session/document_history.h"

#include <gtest/gtest.h>

#include <functional>

#include "channels/cell_edit.h"
#include "model/model_table.h"
#include "session/document_session.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

// A saved document with channels 1-3 (145, 146, 147 MHz named A, B, C).
struct SavedDocument {
    SavedDocument() {
        product.storedBand = encodeBand(kRadioModels[0].band);
        session.newDocument("Dealer");
        for (int row = 1; row <= 3; ++row) {
            set({row, kRxColumn}, std::to_string(144 + row));
            set({row, kNameColumn}, std::string(1, static_cast<char>('A' + row - 1)));
        }
        EXPECT_TRUE(session.save(file));
        EXPECT_TRUE(session.open(file, Language::English));  // a history of its own
    }

    void set(GridCell cell, const std::string& value) {
        EXPECT_TRUE(
            editCell(session.grid(), session.editors(), cell, value, session.product()).accepted());
    }

    // What the user sees: every cell text, and the bytes a save would write.
    std::pair<std::vector<std::string>, RadioImage> state() const {
        std::vector<std::string> texts;
        for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
            for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
                texts.push_back(session.grid().text(row, column));
            }
        }
        return {texts, session.committedImage()};
    }

    test::TempDir dir;
    std::string file = dir.file("radio.dat");
    ProductState product;
    DocumentSession session{product, Language::English};
};

TEST(DocumentHistory, EachStepUndoesToTheSavedStateAndRedoes) {
    const RadioImage other = [] {
        SavedDocument source;
        return source.session.committedImage();
    }();
    struct Case {
        std::function<void(SavedDocument&)> change;
        std::optional<HistoryStep> step;  // none: nothing changed, no step
    };
    const std::array<int, 1> power{kPowerColumn};
    const std::array<int, 2> rxAndName{kRxColumn, kNameColumn};
    const Case cases[] = {
        {[](SavedDocument& d) {
             d.session.grid().setCurrent({2, kNameColumn});
             d.session.editors().showEditor(d.session.grid());
             d.session.editors().current(d.session.grid()).type("Z");
             (void)d.session.commitCell();
         },
         HistoryStep::Typing},
        {[](SavedDocument& d) { (void)d.session.insertChannel(1); }, HistoryStep::Insert},
        {[](SavedDocument& d) { (void)d.session.deleteChannels({2}); }, HistoryStep::Delete},
        {[](SavedDocument& d) { (void)d.session.moveChannelsByOne({3}, MoveDirection::Up); },
         HistoryStep::Move},
        {[](SavedDocument& d) { (void)d.session.moveChannelsTo({1}, 3); }, HistoryStep::Move},
        {[](SavedDocument& d) { (void)d.session.moveChannelsByOne({1}, MoveDirection::Up); }, {}},
        {[](SavedDocument& d) {
             (void)d.session.duplicateChannels({1, 2});
         },
         HistoryStep::Duplicate},
        {[&](SavedDocument& d) {
             (void)d.session.setColumnsForRows({1, 3, 9}, power, "Low");
         },
         HistoryStep::SetForSelectedRows},
        {[&](SavedDocument& d) { (void)d.session.setColumnsForRows({1}, power, "High"); }, {}},
        {[&](SavedDocument& d) {
             (void)d.session.fillDown({3, 1, 7}, rxAndName);
         },
         HistoryStep::FillDown},
        {[](SavedDocument& d) {
             (void)d.session.sortChannels(SortKey::Name, SortOrder::Descending);
         },
         HistoryStep::Sort},
        {[&](SavedDocument& d) {
             (void)d.session.copyChannelsFrom(other, {1, 2}, 10);
         },
         HistoryStep::Paste},
        {[](SavedDocument& d) {
             d.set({5, kRxColumn}, "150");
             d.session.recordStep(HistoryStep::Import);
         },
         HistoryStep::Import},
        {[](SavedDocument& d) {
             d.session.image()[option::kSquelchLevel] ^= 1;
             d.session.recordStep(HistoryStep::OptionalFeatures);
         },
         HistoryStep::OptionalFeatures},
        {[](SavedDocument& d) {
             d.product.storedModelType = kRadioModels[1].type;
             d.product.storedBand = encodeBand(kRadioModels[1].band);
             d.session.recordStep(HistoryStep::ProductInformation);
         },
         HistoryStep::ProductInformation},
    };
    for (const Case& c : cases) {
        SavedDocument d;
        const auto saved = d.state();
        const ProductState savedProduct = d.product;
        c.change(d);
        const auto changed = d.state();
        const std::string name =
            c.step ? std::string(historyStepName(*c.step, Language::English)) : "no step";
        EXPECT_EQ(d.session.undoStep(), c.step) << name;
        EXPECT_EQ(d.session.isModified(), c.step.has_value()) << name;
        EXPECT_EQ(changed != saved, c.step.has_value()) << name;
        if (!c.step) {
            continue;
        }
        ASSERT_TRUE(d.session.undo()) << name;
        EXPECT_EQ(d.state(), saved) << name;
        EXPECT_EQ(d.product.storedModelType, savedProduct.storedModelType) << name;
        EXPECT_FALSE(d.session.isModified()) << name;
        EXPECT_EQ(d.session.redoStep(), c.step) << name;
        ASSERT_TRUE(d.session.redo()) << name;
        EXPECT_EQ(d.state(), changed) << name;
        EXPECT_TRUE(d.session.isModified()) << name;
        EXPECT_FALSE(d.session.redo()) << name;
    }
}

TEST(BulkEdit, RefusedCellsAreListedAndTheOthersSet) {
    struct Case {
        const char* name;
        RowList rows;
        std::vector<int> columns;
        const char* value;  // empty: fill down
        std::vector<GridCell> refused;
        const char* row2Enc;
    };
    const Case cases[] = {
        {"both tones, an empty row skipped",
         {2, 3, 50},
         {kDecodeToneColumn, kEncodeToneColumn},
         "88.5",
         {},
         "88.5"},
        {"not an item",
         {1, 2},
         {kPowerColumn},
         "Medium",
         {{1, kPowerColumn}, {2, kPowerColumn}},
         "None"},
        {"a name too long", {2}, {kNameColumn}, "NINELETTR", {{2, kNameColumn}}, "None"},
        {"fill down makes channels", {1, 50}, {kRxColumn, kNameColumn}, "", {}, "None"},
    };
    for (const Case& c : cases) {
        SavedDocument d;
        const BulkEditResult result = *c.value
                                          ? d.session.setColumnsForRows(c.rows, c.columns, c.value)
                                          : d.session.fillDown(c.rows, c.columns);
        std::vector<GridCell> refused;
        for (const CellRefusal& refusal : result.refused) {
            refused.push_back(refusal.cell);
        }
        EXPECT_EQ(refused, c.refused) << c.name;
        EXPECT_EQ(d.session.grid().text(2, kEncodeToneColumn), c.row2Enc) << c.name;
        EXPECT_EQ(d.session.grid().text(50, kNameColumn), *c.value ? "" : "A") << c.name;
        EXPECT_EQ(d.session.undoStep().has_value(), result.changed) << c.name;
    }
}

TEST(DocumentHistory, TheModifiedMarkFollowsTheHistory) {
    SavedDocument d;
    const auto type = [&d](const char* name) {
        return [&d, name] {
            d.set({1, kNameColumn}, name), d.session.recordStep(HistoryStep::Paste);
        };
    };
    struct Step {
        const char* name;
        std::function<void()> action;
        bool modified;
    };
    const Step steps[] = {
        {"change", type("X"), true},
        {"save", [&] { ASSERT_TRUE(d.session.save(d.file)); }, false},
        {"change again", type("Y"), true},
        {"undo to the saved state", [&] { d.session.undo(); }, false},
        {"undo past it", [&] { d.session.undo(); }, true},
        {"redo to it", [&] { d.session.redo(); }, false},
        {"undo past it again", [&] { d.session.undo(); }, true},
        {"a new change drops the saved state", type("Z"), true},
        {"undo", [&] { d.session.undo(); }, true},
        {"open", [&] { ASSERT_TRUE(d.session.open(d.file, Language::English)); }, false},
    };
    for (const Step& step : steps) {
        step.action();
        EXPECT_EQ(d.session.isModified(), step.modified) << step.name;
    }
    EXPECT_FALSE(d.session.undoStep()) << "an opened document starts a new history";
}

TEST(DocumentHistory, KeepsTheNewestStepsWithinItsLimit) {
    DocumentHistory history(2);
    RadioImage image{};
    history.reset(image);
    for (std::uint8_t step = 1; step <= 3; ++step) {
        image[0] = step;
        EXPECT_TRUE(history.record(HistoryStep::Typing, image));
    }
    EXPECT_FALSE(history.record(HistoryStep::Typing, image)) << "no change, no step";
    EXPECT_EQ(history.undo()->at(0), 2);
    EXPECT_EQ(history.undo()->at(0), 1);
    EXPECT_FALSE(history.undo()) << "the oldest step went";
    EXPECT_FALSE(history.atSavedState()) << "the saved state went with it";
}

TEST(HistoryStep, EditMenuTexts) {
    EXPECT_EQ(undoItemText(HistoryStep::Paste, Language::English), "Undo Paste");
    EXPECT_EQ(redoItemText(HistoryStep::Sort, Language::English), "Redo Sort");
    EXPECT_EQ(undoItemText(std::nullopt, Language::English), "Undo");
    EXPECT_EQ(undoItemText(HistoryStep::SetForSelectedRows, Language::English),
              "Undo Set for Selected Rows");
    EXPECT_EQ(redoItemText(HistoryStep::Paste, Language::Chinese), "重做粘贴");
}

}  // namespace
}  // namespace kw
