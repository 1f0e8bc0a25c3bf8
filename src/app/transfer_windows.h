#pragma once
// The Process windows of the document windows, one each, made on first use and gone
// with their document. While one is open the frame runs only the commands that leave
// documents, views and windows alone, and its document's grid takes no edits.

#include <QObject>
#include <map>

#include "app/process_dlg.h"

namespace kw::app {

class CChildFrame;

class TransferWindows : public QObject {
    Q_OBJECT
  public:
    TransferWindows(CProcessDlg::Context context, QWidget* owner);
    ~TransferWindows() override;

    CProcessDlg* windowOf(CChildFrame* child);
    // The window that is offered or running, if any.
    CProcessDlg* openWindow() const;
    [[nodiscard]] bool commandAllowed(CommandId command) const;

    // The main window's close request: an offered window closes and the close goes on;
    // a running transfer is cancelled first if the user agrees, and the close is then
    // made again once it has stopped. A transfer that ends while the user is asked
    // lets the close go on at once.
    [[nodiscard]] bool allowClose();

  signals:
    // A window opened, started or closed: the commands' states follow.
    void stateChanged();
    // Close the main window again: its transfer has stopped.
    void closeAgain();

  private:
    void onTransferEnded(CChildFrame* child, TransferDirection direction, TransferOutcome outcome);

    CProcessDlg::Context context_;
    QWidget* owner_;
    std::map<CChildFrame*, CProcessDlg*> windows_;
    bool closeWhenEnded_ = false;
};

}  // namespace kw::app
