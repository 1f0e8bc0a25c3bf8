#pragma once
// The channel editing commands of the Edit menu and of the grid's context menu, on the
// active document: clipboard, undo and redo, row operations, bulk edit, sort, and rows
// dropped on a grid. Each change goes through the document's session as one step of its
// history; the value still being typed is committed first, and a refused one stops the
// command.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "app/row_drag.h"
#include "session/document_session.h"

class QPoint;

namespace kw::app {

class CChildFrame;
class CMainFrame;
class CommandRouter;
class MessageBoxes;

class ChannelEditCommands : public QObject {
    Q_OBJECT
  public:
    ChannelEditCommands(CMainFrame& frame, Language language, MessageBoxes& messages);

    // A new document window: its grid's context menu, its dropped rows and its typing
    // come here.
    void attach(CChildFrame* child);
    // Undo and Redo name the active document's steps; without a document nothing here runs.
    void updateCommands();
    // After a change of the whole grid: the grid shows what the session now holds, the
    // title its modified mark, and Undo its step.
    void finish(CChildFrame* child);

  private:
    void connectCommands();
    // The active document once the value being typed in it is committed.
    CChildFrame* settledChild();
    void copy();
    void cut();
    void paste();
    void undo(bool forward);
    void rowEdit(const std::function<RowEdit(DocumentSession&, const RowList&)>& operation);
    void setForSelectedRows();
    void fillDown();
    void sort(SortKey key, SortOrder order);
    void dropRows(CChildFrame* target, const DraggedRows& dragged, int row);
    void showContextMenu(CChildFrame* child, const QPoint& globalPosition);
    void reportRefusedCells(CChildFrame* child, const BulkEditResult& result);
    void showText(CChildFrame* child, const std::string& text);

    CMainFrame& frame_;
    CommandRouter& commands_;
    Language language_;
    MessageBoxes& messages_;
};

}  // namespace kw::app
