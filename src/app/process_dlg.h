#pragma once
// CProcessDlg: the modeless Process window (dialog 146) of one document's Read and
// Write. It keeps the commands' state, runs the programming session at Start and lets
// the event loop run at the session's dispatch points, so Cancel can be pressed.

#include <functional>
#include <string>

#include "app/template_dialog.h"
#include "link/posix_serial_port.h"
#include "link/session_observer.h"
#include "link/sleeper.h"
#include "link/transfer_commands.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kw::app {

class MessageBoxes;

class CProcessDlg : public TemplateDialog, public SessionObserver {
    Q_OBJECT
  public:
    struct Context {
        const ResourceSet& resources;
        MessageBoxes& messages;
        QString applicationTitle;  // the caption of the built-in messages
        std::function<std::string()> portName;
    };

    // `grid` and `image` belong to the document whose transfers this window runs; the
    // window is shown over `owner`.
    CProcessDlg(const Context& context, GridSync& grid, RadioImage& image, QWidget* owner);

    // The Read and Write commands: each opens the window unless it is open already.
    void onRead();
    void onWrite();

    const TransferCommands& commands() const { return commands_; }
    QPushButton* startButton() const { return start_; }
    QLabel* statusLine() const { return status_; }
    QProgressBar* progressBar() const { return progress_; }

    // SessionObserver: the window's status line, bar, event loop and message boxes.
    void setStatus(BuiltInText text) override;
    void setProgress(int position) override;
    bool cancelRequested() override;
    RetryAnswer askRetry(MessageId id) override;
    void showMessage(const TransferMessage& message) override;

  signals:
    // The window opened, its transfer started, or it closed.
    void stateChanged();
    void transferEnded(TransferDirection direction, TransferOutcome outcome);

  public slots:
    // Cancel, Escape and the close box: an offered window closes, a running transfer
    // stops at its next dispatch point.
    void reject() override;

  protected:
    void onOk() override;  // Start
    void onCancel() override { reject(); }

  private:
    void offerWindow(bool offered);
    void runTransfer();

    Context context_;
    GridSync& grid_;
    RadioImage& image_;
    TransferCommands commands_;
    PosixSerialPort port_;
    ThreadSleeper sleeper_;
    QPushButton* start_;
    QLabel* status_;
    QProgressBar* progress_;
    QString notStartedText_;
};

}  // namespace kw::app
