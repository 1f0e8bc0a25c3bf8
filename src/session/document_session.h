#pragma once
// One open document with its channel grid and editors, and the order of work around it:
// a save takes the value still in the current cell's editor (cell commit), then the grid
// (grid commit), then writes the file; a transfer takes the cell and the grid before it
// starts, and a completed Read refills the grid from the image it brought.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/file_stamp.h"

#include "channels/bulk_edit.h"
#include "channels/channel_editors.h"
#include "channels/channel_grid.h"
#include "channels/channel_rows.h"
#include "channels/channel_sort.h"
#include "link/transfer_commands.h"
#include "model/program_doc.h"
#include "session/document_history.h"

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
    // value is one "Typing" step.
    CellCommitOutcome commitCell();
    // Enter in the frequency editor: as commitCell, but a refusal empties the editor.
    EnterOutcome commitCellByEnter();
    void cellCommit() override;
    void gridCommit() override;
    void refill() override;

    // Follows the history: back at the state last opened or saved, the document is
    // unmodified. A shell may still set it for an edit it keeps out of the history.
    bool isModified() const { return document_.isModified(); }
    void setModified(bool modified) { document_.setModified(modified); }

    // Undo history. Each committed cell, row operation, bulk edit and sort below is one
    // step, and so is each change a shell makes itself and names with recordStep.
    std::optional<HistoryStep> undoStep() const { return history_.undoStep(); }
    std::optional<HistoryStep> redoStep() const { return history_.redoStep(); }
    // Back to (forward to) the state around the step, the grid refilled from it; a value
    // still in an editor, never committed, is dropped. False when there is no step.
    bool undo();
    bool redo();
    // Everything changed since the last step, grid included, becomes one step named
    // `step`: a paste, an import, a completed Read, Product Information's or Optional
    // Features' OK. Nothing changed: no step, and false. The grid is committed into the
    // image here, so a change made to the image's channels is refilled into the grid first.
    bool recordStep(HistoryStep step);

    // What a save would write: the image with the grid committed into it. Another
    // document copies channels from this.
    RadioImage committedImage() const;

    // Row operations on whole records (channel_rows.h, channel_sort.h): the cell and the
    // grid are committed first, the grid refilled after; a change is one step.
    RowEdit insertChannel(int row);
    RowEdit deleteChannels(const RowList& rows);
    RowEdit moveChannelsByOne(const RowList& rows, MoveDirection direction);
    RowEdit moveChannelsTo(const RowList& rows, int firstRow);
    RowEdit duplicateChannels(const RowList& rows);
    RowEdit copyChannelsFrom(const RadioImage& source, const RowList& rows, std::optional<int> at);
    RowEdit sortChannels(SortKey key, SortOrder order);
    // Bulk edits through the typing rules (bulk_edit.h); the cells set are one step.
    BulkEditResult setColumnsForRows(const RowList& rows, std::span<const int> columns,
                                     std::string_view value);
    BulkEditResult fillDown(const RowList& rows, std::span<const int> columns);

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
    template <typename Operation>
    RowEdit reorder(HistoryStep step, Operation&& operation);
    void restore(const RadioImage& state);
    void startHistory();  // a new or opened document: its state is the saved one

    ProductState& product_;
    Language language_;
    CProgramDoc document_;
    ChannelGrid grid_;
    ChannelEditors editors_;
    std::optional<FileStamp> fileStamp_;  // the file as last opened or saved here
    DocumentHistory history_;
};

}  // namespace kw
