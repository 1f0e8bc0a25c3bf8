#include "app/transfer_windows.h"

#include "app/child_frame.h"
#include "app/message_boxes.h"
#include "app/program_view.h"
#include "app/qt_text.h"
#include "session/history_step.h"

namespace kw::app {

TransferWindows::TransferWindows(CProcessDlg::Context context, QWidget* owner)
    : QObject(owner), context_(std::move(context)), owner_(owner) {}

TransferWindows::~TransferWindows() {
    for (auto& [child, window] : windows_) {
        child->disconnect(this);
        delete window;
    }
}

CProcessDlg* TransferWindows::windowOf(CChildFrame* child) {
    if (const auto found = windows_.find(child); found != windows_.end()) {
        return found->second;
    }
    auto* window = new CProcessDlg(context_, *child->view(), child->document().image(), owner_);
    windows_[child] = window;
    connect(window, &CProcessDlg::stateChanged, this, [this, child, window] {
        child->view()->setEnabled(window->commands().gridEditAllowed());
        emit stateChanged();
    });
    connect(window, &CProcessDlg::transferEnded, this,
            [this, child](TransferDirection direction, TransferOutcome outcome) {
                onTransferEnded(child, direction, outcome);
            });
    connect(child, &QObject::destroyed, this, [this, child] {
        delete windows_[child];
        windows_.erase(child);
    });
    return window;
}

CProcessDlg* TransferWindows::openWindow() const {
    for (const auto& [child, window] : windows_) {
        if (window->commands().state() != ProcessWindowState::Absent) {
            return window;
        }
    }
    return nullptr;
}

bool TransferWindows::commandAllowed(CommandId command) const {
    const CProcessDlg* window = openWindow();
    return !window || window->commands().commandAllowed(command);
}

bool TransferWindows::allowClose() {
    CProcessDlg* window = openWindow();
    if (window && window->commands().state() == ProcessWindowState::Running) {
        // The transfer goes on while the question is open, and may end meanwhile.
        const auto answer = context_.messages.show(
            owner_,
            toQString(builtInText(BuiltInText::CancelTransferToClose, context_.resources.language)),
            MessageBoxes::Buttons::OkCancel, QMessageBox::Question);
        if (answer != MessageBoxes::Answer::Ok) {
            return false;
        }
        window = openWindow();
    }
    if (!window) {
        return true;
    }
    const bool running = window->commands().state() == ProcessWindowState::Running;
    closeWhenEnded_ = running;
    window->reject();
    return !running;
}

void TransferWindows::onTransferEnded(CChildFrame* child, TransferDirection direction,
                                      TransferOutcome outcome) {
    if (direction == TransferDirection::Read && outcome == TransferOutcome::Done) {
        // The radio's data is not the file's even when no byte differs: a Read that
        // changed nothing is no step, yet the document still asks to be saved.
        child->session().recordStep(HistoryStep::Read);
        child->setModified(true);
        emit stateChanged();  // Undo now names the Read
    }
    if (closeWhenEnded_) {
        closeWhenEnded_ = false;
        emit closeAgain();
    }
}

}  // namespace kw::app
