#pragma once
// One open document with its channel grid and editors, and the order of work around it:
// a save takes the value still in the current cell's editor (cell commit), then the grid
// (grid commit), then writes the file; a transfer takes the cell and the grid before it
// starts, and a completed Read refills the grid from the image it brought.

#include <optional>
#include <string>
#include <string_view>

#include "base/file_stamp.h"

#include "channels/channel_editors.h"
#include "channels/channel_grid.h"
#include "link/transfer_commands.h"
#include "model/program_doc.h"

namespace kw {

struct [[nodiscard]] DocumentSaveResult {
    // A refused value is left in its editor and the cell's old text is saved.
    CellCommitOutcome cell;
    FileWriteResult written;

    explicit operator bool() const { return static_cast<bool>(written); }
};

class DocumentSession final : public GridSync {
  public:
    // `product` is the process-wide state every document of the program works with; the
    // grid and editors show their texts in `language`.
    DocumentSession(ProductState& product, Language language);
    // A view binds its widgets to this grid and these editors: a session stays put.
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    // The factory image, the grid refilled from it; `appName` becomes the proposed name.
    void newDocument(std::string_view appName);
    // Takes the file only when it passes the open check (reported in `messageLanguage`),
    // then refills the grid; on failure the document is as it was.
    [[nodiscard]] DocumentLoadResult open(const std::string& path, Language messageLanguage);
    // Cell commit, grid commit, then the file; a written file clears the modified mark.
    [[nodiscard]] DocumentSaveResult save(const std::string& path);
    // Saving to `path` would overwrite the document's own file, which was changed on disk
    // since this session opened or last saved it.
    [[nodiscard]] bool overwritesChangedFile(const std::string& path) const;

    // The cell commit with its outcome, for a shell that shows a refusal. A committed
    // value marks the document modified.
    CellCommitOutcome commitCell();
    // Enter in the frequency editor: as commitCell, but a refusal empties the editor.
    EnterOutcome commitCellByEnter();
    void cellCommit() override;
    void gridCommit() override;
    void refill() override;

    // Set by a committed cell here and by the shell for the edits it makes itself (a
    // changed setting, a completed Read); cleared by a new document, an open and a save.
    bool isModified() const { return document_.isModified(); }
    void setModified(bool modified) { document_.setModified(modified); }

    CProgramDoc& document() { return document_; }
    const CProgramDoc& document() const { return document_; }
    RadioImage& image() { return document_.image(); }
    const RadioImage& image() const { return document_.image(); }
    ChannelGrid& grid() { return grid_; }
    const ChannelGrid& grid() const { return grid_; }
    ChannelEditors& editors() { return editors_; }
    const ChannelEditors& editors() const { return editors_; }
    ProductState& product() { return product_; }
    Language language() const { return language_; }

  private:
    void noteCommit(const CellCommitOutcome& outcome);

    ProductState& product_;
    Language language_;
    CProgramDoc document_;
    ChannelGrid grid_;
    ChannelEditors editors_;
    std::optional<FileStamp> fileStamp_;  // the file as last opened or saved here
};

}  // namespace kw
