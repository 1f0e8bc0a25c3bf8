#include "session/document_session.h"

#include <utility>

#include "session/new_document.h"

namespace kw {

DocumentSession::DocumentSession(ProductState& product, Language language)
    : product_(product), language_(language), grid_(language), editors_(language) {}

void DocumentSession::newDocument(std::string_view appName) {
    startNewDocument(document_, product_, appName, language_);
    refill();
    startHistory();
}

DocumentLoadResult DocumentSession::open(const std::string& path, Language messageLanguage) {
    DocumentLoadResult loaded = document_.open(path, messageLanguage);
    if (loaded) {
        fileStamp_ = stampOf(path);
        refill();
        startHistory();
    }
    return loaded;
}

DocumentSaveResult DocumentSession::save(const std::string& path) {
    CellCommitOutcome cell = commitCell();
    gridCommit();
    // A change a shell kept out of the history is still one: it is in the saved file.
    history_.record(HistoryStep::Typing, document_.image());
    DocumentSaveResult saved{cell, document_.save(path)};
    if (saved) {
        fileStamp_ = stampOf(path);
        history_.markSaved();
    }
    return saved;
}

bool DocumentSession::overwritesChangedFile(const std::string& path) const {
    // A file that is gone loses nothing; another program's save replaces the inode, so
    // the path tells the document's own file too.
    const std::optional<FileStamp> now = stampOf(path);
    if (!document_.hasFile() || !fileStamp_ || !now) {
        return false;
    }
    const bool ownFile = path == document_.path() || now->sameFileAs(*fileStamp_);
    return ownFile && changedSince(path, fileStamp_);
}

CellCommitOutcome DocumentSession::commitCell() {
    CellCommitOutcome outcome = editors_.commitCell(grid_, product_);
    noteCommit(outcome);
    return outcome;
}

EnterOutcome DocumentSession::commitCellByEnter() {
    EnterOutcome outcome = editors_.commitCellByEnter(grid_, product_);
    noteCommit(outcome.commit);
    return outcome;
}

void DocumentSession::noteCommit(const CellCommitOutcome& outcome) {
    if (outcome.status == CellCommitStatus::Committed) {
        recordStep(HistoryStep::Typing);
    }
}

void DocumentSession::cellCommit() {
    (void)commitCell();
}

void DocumentSession::gridCommit() {
    grid_.commit(document_.image(), product_);
}

void DocumentSession::refill() {
    grid_.refill(document_.image(), product_);
    // An editor left open would carry its old text into the new channels.
    editors_.hideAll();
}

void DocumentSession::startHistory() {
    history_.reset(committedImage());
}

bool DocumentSession::recordStep(HistoryStep step) {
    gridCommit();
    const bool recorded = history_.record(step, document_.image());
    document_.setModified(!history_.atSavedState());
    return recorded;
}

bool DocumentSession::undo() {
    const std::optional<RadioImage> state = history_.undo();
    if (state) {
        restore(*state);
    }
    return state.has_value();
}

bool DocumentSession::redo() {
    const std::optional<RadioImage> state = history_.redo();
    if (state) {
        restore(*state);
    }
    return state.has_value();
}

void DocumentSession::restore(const RadioImage& state) {
    document_.image() = state;
    refill();
    document_.setModified(!history_.atSavedState());
}

RadioImage DocumentSession::committedImage() const {
    RadioImage image = document_.image();
    grid_.commit(image, product_);
    return image;
}

template <typename Operation>
RowEdit DocumentSession::reorder(HistoryStep step, Operation&& operation) {
    cellCommit();
    gridCommit();
    RowEdit edit = std::forward<Operation>(operation)(document_.image());
    if (edit.changed) {
        refill();
        recordStep(step);
    }
    return edit;
}

RowEdit DocumentSession::insertChannel(int row) {
    return reorder(HistoryStep::Insert,
                   [row](RadioImage& image) { return insertEmptyChannel(image, row); });
}

RowEdit DocumentSession::deleteChannels(const RowList& rows) {
    return reorder(HistoryStep::Delete,
                   [&rows](RadioImage& image) { return kw::deleteChannels(image, rows); });
}

RowEdit DocumentSession::moveChannelsByOne(const RowList& rows, MoveDirection direction) {
    return reorder(HistoryStep::Move, [&rows, direction](RadioImage& image) {
        return kw::moveChannelsByOne(image, rows, direction);
    });
}

RowEdit DocumentSession::moveChannelsTo(const RowList& rows, int firstRow) {
    return reorder(HistoryStep::Move, [&rows, firstRow](RadioImage& image) {
        return kw::moveChannelsTo(image, rows, firstRow);
    });
}

RowEdit DocumentSession::duplicateChannels(const RowList& rows) {
    return reorder(HistoryStep::Duplicate,
                   [&rows](RadioImage& image) { return kw::duplicateChannels(image, rows); });
}

RowEdit DocumentSession::copyChannelsFrom(const RadioImage& source, const RowList& rows,
                                          std::optional<int> at) {
    // Copies are new channels here: a step of the kind a paste of rows is.
    return reorder(HistoryStep::Paste, [&](RadioImage& image) {
        return copyChannels(source, rows, image, at, product_);
    });
}

RowEdit DocumentSession::sortChannels(SortKey key, SortOrder order) {
    return reorder(HistoryStep::Sort,
                   [key, order](RadioImage& image) { return kw::sortChannels(image, key, order); });
}

BulkEditResult DocumentSession::setColumnsForRows(const RowList& rows, std::span<const int> columns,
                                                  std::string_view value) {
    cellCommit();
    BulkEditResult result = kw::setColumnsForRows(grid_, editors_, rows, columns, value, product_);
    recordStep(HistoryStep::SetForSelectedRows);
    return result;
}

BulkEditResult DocumentSession::fillDown(const RowList& rows, std::span<const int> columns) {
    cellCommit();
    BulkEditResult result = kw::fillDown(grid_, editors_, rows, columns, product_);
    recordStep(HistoryStep::FillDown);
    return result;
}

}  // namespace kw
