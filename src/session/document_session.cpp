#include "session/document_session.h"

#include "session/new_document.h"

namespace kw {

DocumentSession::DocumentSession(ProductState& product, Language language)
    : product_(product), language_(language), grid_(language), editors_(language) {}

void DocumentSession::newDocument(std::string_view appName) {
    startNewDocument(document_, product_, appName, language_);
    refill();
}

DocumentLoadResult DocumentSession::open(const std::string& path, Language messageLanguage) {
    DocumentLoadResult loaded = document_.open(path, messageLanguage);
    if (loaded) {
        fileStamp_ = stampOf(path);
        refill();
    }
    return loaded;
}

DocumentSaveResult DocumentSession::save(const std::string& path) {
    CellCommitOutcome cell = commitCell();
    gridCommit();
    DocumentSaveResult saved{cell, document_.save(path)};
    if (saved) {
        fileStamp_ = stampOf(path);
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
        document_.setModified(true);
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

}  // namespace kw
