#pragma once
// CProcessDlg: the modeless Process window (dialog 146) of one document's Read and
// Write. It keeps the commands' state and at Start hands the session to a worker: a Read
// to a transfer worker, a Write (and a restored backup) to a safe-write worker whose
// steps the preferences choose. Their calls come back to the window on the
// user-interface thread, so the program answers meanwhile and Cancel can be pressed at
// any moment.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/template_dialog.h"
#include "link/protocol_trace.h"
#include "link/transfer_commands.h"
#include "session/safe_write_worker.h"
#include "session/transfer_worker.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kw::app {

class MessageBoxes;

class CProcessDlg : public TemplateDialog, private TransferShell, private SafeWriteShell {
    Q_OBJECT
  public:
    struct Context {
        const ResourceSet& resources;
        MessageBoxes& messages;
        QString applicationTitle;  // the caption of the built-in messages
        std::function<std::string()> portName;
        std::string settingsPath;  // the per-user settings store: the write preferences
        std::shared_ptr<const TraceSwitch> trace;  // what the ports record into, if anything
    };

    // `grid` and `image` belong to the document whose transfers this window runs; the
    // window is shown over `owner`.
    CProcessDlg(const Context& context, GridSync& grid, RadioImage& image, QWidget* owner);
    // A transfer still running is cancelled and waited for.
    ~CProcessDlg() override;

    // The Read and Write commands: each opens the window unless it is open already.
    void onRead();
    void onWrite();
    // Program > Restore Backup: a Write of `backup` exactly as it is, without the grid.
    // `path` is the backup's file, which the new backup's pruning leaves alone.
    void onRestore(const RadioImage& backup, const std::string& path);

    const TransferCommands& commands() const { return commands_; }
    QPushButton* startButton() const { return start_; }
    QLabel* statusLine() const { return status_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* stepLine() const { return step_; }

  signals:
    // The window opened, its transfer started, or it closed.
    void stateChanged();
    void transferEnded(TransferDirection direction, TransferOutcome outcome);

  public slots:
    // Cancel, Escape and the close box: an offered window closes, a running transfer
    // stops after the row it is in.
    void reject() override;

  protected:
    void onOk() override;  // Start
    void onCancel() override { reject(); }

  private:
    void offerWindow(bool offered, const QString& title);
    void startSafeWrite();
    // The outcome of a safe write that is not a plain success or a decline.
    void reportSafeWrite(const SafeWriteResult& result);

    // TransferShell: the window's status line, bar and message boxes.
    void setStatus(BuiltInText text) override;
    void setProgress(int position) override;
    RetryAnswer askRetry(MessageId id) override;
    void showMessage(const TransferMessage& message) override;
    void transferFinished(const TransferResult& result, const RadioImage& transferred) override;
    // SafeWriteShell: the step over the bar, the changes window and the outcome.
    void beginStep(SafeWriteStep step) override;
    bool confirmChanges(const std::vector<ImageDifference>& changes) override;
    void safeWriteFinished(const SafeWriteResult& result) override;
    void endTransfer(const TransferResult& result, const RadioImage& transferred,
                     const RadioImage& summarised);

    Context context_;
    GridSync& grid_;
    RadioImage& image_;
    TransferCommands commands_;
    QPushButton* start_;
    QLabel* status_;
    QProgressBar* progress_;
    QLabel* step_;
    QString notStartedText_;
    std::optional<RadioImage> restoring_;  // the backup a restore writes
    std::string restoringPath_;
    std::chrono::steady_clock::time_point started_;
    // Last: they are gone before the rest of the window.
    TransferWorker worker_;
    SafeWriteWorker safeWorker_;
};

}  // namespace kw::app
