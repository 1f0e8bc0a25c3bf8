#pragma once
// CProgramView: the "Channel Information" view of a document: a form holding the channel
// grid, with the in-place editors laid over its current cell. It shows the grid and editors
// of the document's session, whose texts are the working copy of the channels; the
// document's image follows at the grid commit.

#include <QMargins>
#include <QWidget>
#include <memory>

#include "channels/screen_scaling.h"
#include "link/transfer_commands.h"
#include "res/control_id.h"
#include "res/dialog_rect.h"
#include "session/document_session.h"

class QKeyEvent;

namespace kw::app {

class CMSFlexGrid;
class HelpViewer;
class InPlaceEditorWidgets;
class MessageBoxes;

// What every view of the program shares.
struct ViewContext {
    Language language;
    ProductState& product;
    MessageBoxes& messages;
    HelpViewer& help;
};

class CProgramView : public QWidget, public GridSync {
    Q_OBJECT
  public:
    // The form and its grid, in dialog units of the form's font.
    static constexpr DialogRect kForm{0, 0, 472, 243};
    static constexpr DialogRect kGridPlace{1, 5, 467, 221};

    CProgramView(DocumentSession& session, ViewContext& context, QWidget* parent);
    ~CProgramView() override;

    CProgramDoc& document() { return session_.document(); }
    CMSFlexGrid* grid() const { return grid_; }
    const ChannelGrid& channels() const { return session_.grid(); }
    const ChannelEditors& editors() const { return session_.editors(); }
    QWidget* editorWidget(int column) const;

    // Once the view's window is in place: fits the frame to the form, scales for a large
    // screen, and fills the grid from the document.
    void initialUpdate();
    // A view that becomes active brings its document's model and band back.
    void activate();
    // The screen became `screenWidth` pixels wide.
    void displayChanged(int screenWidth);

    void cellCommit() override;
    void gridCommit() override;
    void refill() override;
    // The cell commit of the current cell, with its message when it was refused.
    CellCommitOutcome commitCurrentCell();
    // The document is left: another becomes active, or its window closes or is replaced.
    // The value still being typed is committed under this document's own model and band.
    CellCommitOutcome commitOnLeaving();

    // The session changed the grid as a whole (a paste, a row operation, an undo): the
    // editors and the table follow.
    void documentChanged();

    QSize sizeHint() const override { return formSize_; }

  signals:
    // A cell took a new text.
    void edited();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The grid grows and shrinks with the view, its margins kept.
    void resizeEvent(QResizeEvent* event) override;

  private:
    void setUpGrid();
    void onLeaveCell();
    void onEnterCell();
    void onMouseDown();
    void onScrolled();
    void showEditor();
    // Escape: the editor goes without a commit.
    void cancelEdit();
    void report(const CellCommitOutcome& outcome, int row);
    bool editorKey(QObject* editor, QKeyEvent* event);
    bool gridKey(QKeyEvent* event);
    // An edit box keeps its own editing keys only while they act on its text alone.
    bool editBoxOwnsKey(QObject* editor, const QKeyEvent& event) const;
    bool enterInFrequencyEditor();
    void enterInOtherEditor();
    void requestHelp(ControlId<ProgramWindow> controlId);
    void scaleBy(float factor);

    DocumentSession& session_;
    ViewContext& context_;
    ScreenScaling scaling_;
    QSize formSize_;
    QMargins gridMargins_;
    CMSFlexGrid* grid_;
    std::unique_ptr<InPlaceEditorWidgets> widgets_;
};

}  // namespace kw::app
