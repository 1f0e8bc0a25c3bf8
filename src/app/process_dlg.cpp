#include "app/process_dlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/differences_dlg.h"
#include "app/message_boxes.h"
#include "app/preferences_dlg.h"
#include "app/qt_text.h"
#include "app/status_notice.h"
#include "app/transfer_messages.h"
#include "link/posix_serial_port.h"
#include "res/command_ids.h"
#include "session/transfer_summary.h"

namespace kw::app {

CProcessDlg::CProcessDlg(const Context& context, GridSync& grid, RadioImage& image, QWidget* owner)
    : TemplateDialog(*context.resources.dialog(resource::kProcessDialog), owner),
      context_(context),
      grid_(grid),
      image_(image),
      start_(controlAs<QPushButton>(control::kOk)),
      status_(controlAs<QLabel>(control::kProcessStatus)),
      progress_(controlAs<QProgressBar>(control::kProcessProgress)),
      step_(controlAs<QLabel>(control::kProcessStep)),
      notStartedText_(status_->text()),
      worker_(
          std::make_unique<TracingSerialPort>(std::make_unique<PosixSerialPort>(), context.trace),
          std::make_unique<ThreadSleeper>(), static_cast<TransferShell&>(*this),
          [this](std::function<void()> call) {
              QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
          }),
      safeWorker_(
          std::make_unique<TracingSerialPort>(std::make_unique<PosixSerialPort>(), context.trace),
          std::make_unique<ThreadSleeper>(), static_cast<SafeWriteShell&>(*this),
          [this](std::function<void()> call) {
              QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
          }) {
    setModal(false);
    progress_->setRange(0, kProgressRange);
}

CProcessDlg::~CProcessDlg() = default;

void CProcessDlg::onRead() {
    const bool offered = commands_.onRead();
    offerWindow(offered, toQString(builtInText(commands_.title(), context_.resources.language)));
}

void CProcessDlg::onWrite() {
    const bool offered = commands_.onWrite(grid_);
    if (offered) {
        restoring_.reset();
    }
    offerWindow(offered, toQString(builtInText(commands_.title(), context_.resources.language)));
}

void CProcessDlg::onRestore(const RadioImage& backup, const std::string& path) {
    const bool offered = commands_.onWrite(grid_);
    if (offered) {
        restoring_ = backup;
        restoringPath_ = path;
    }
    offerWindow(offered, toQString(toolTipOf(context_.resources.string(command::kRestoreBackup))));
}

void CProcessDlg::offerWindow(bool offered, const QString& title) {
    if (!offered) {
        return;
    }
    setWindowTitle(title);
    progress_->setValue(0);
    status_->setText(notStartedText_);
    step_->clear();
    start_->setEnabled(true);
    show();
    if (QWidget* owner = parentWidget()) {
        move(owner->frameGeometry().center() - rect().center());
    }
    raise();
    activateWindow();
    emit stateChanged();
}

void CProcessDlg::onOk() {
    if (!commands_.start()) {
        return;
    }
    start_->setEnabled(false);
    emit stateChanged();
    started_ = std::chrono::steady_clock::now();
    if (commands_.direction() == TransferDirection::Write) {
        startSafeWrite();
    } else {
        worker_.start(commands_.direction(), commands_.beginTransfer(grid_, image_),
                      context_.portName());
    }
}

void CProcessDlg::startSafeWrite() {
    // A restore writes the backup as it is; a Write takes the grid into the document.
    const RadioImage image = restoring_ ? *restoring_ : commands_.beginTransfer(grid_, image_);
    const SettingsStore store(context_.settingsPath);
    const WritePreferences preferences = readWritePreferences(store);
    const Language language = context_.resources.language;
    SafeWriteOptions options;
    options.backup = preferences.backup;
    options.ask = preferences.showChanges;
    options.verify = preferences.verify;
    options.passwordErrorDetail = builtInText(BuiltInText::PasswordErrorNoBackup, language);
    options.language = language;
    BackupPlace backups = userBackupPlace(store);
    if (restoring_) {
        backups.spared = restoringPath_;
    }
    safeWorker_.start(image, context_.portName(), std::move(options), std::move(backups));
}

void CProcessDlg::transferFinished(const TransferResult& result, const RadioImage& transferred) {
    endTransfer(result, transferred, image_);
}

void CProcessDlg::endTransfer(const TransferResult& result, const RadioImage& transferred,
                              const RadioImage& summarised) {
    const TransferDirection direction = commands_.direction();
    commands_.endTransfer(grid_, result, transferred, image_);
    // A completed transfer is said in the status bar; only a failure needs a message box.
    if (result) {
        const auto took = std::chrono::steady_clock::now() - started_;
        showStatusNotice(parentWidget(), toQString(transferSummary(direction, summarised, took,
                                                                   context_.resources.language)));
    }
    hide();
    emit stateChanged();
    emit transferEnded(direction, result.outcome);
}

void CProcessDlg::beginStep(SafeWriteStep step) {
    static constexpr BuiltInText kStepTexts[] = {BuiltInText::StepBackup, BuiltInText::StepWrite,
                                                 BuiltInText::StepVerify};
    step_->setText(
        toQString(builtInText(kStepTexts[static_cast<int>(step)], context_.resources.language)));
    progress_->setValue(0);
}

bool CProcessDlg::confirmChanges(const std::vector<ImageDifference>& changes) {
    const Language language = context_.resources.language;
    const QString title = toQString(builtInText(BuiltInText::ChangesTitle, language));
    const QString summary =
        changes.empty() ? toQString(builtInText(BuiltInText::NoChanges, language)) : title;
    CDifferencesDlg window(language, title, summary, changes, CDifferencesDlg::Buttons::WriteCancel,
                           this);
    return window.exec() == QDialog::Accepted;
}

void CProcessDlg::safeWriteFinished(const SafeWriteResult& result) {
    const RadioImage written = restoring_.value_or(image_);
    restoring_.reset();
    const auto outcome = [&result] {
        switch (result.outcome) {
            case SafeWriteOutcome::Done:
                return TransferOutcome::Done;
            case SafeWriteOutcome::Failed:
                return TransferOutcome::Failed;
            case SafeWriteOutcome::Declined:
            case SafeWriteOutcome::Cancelled:
                break;
        }
        return TransferOutcome::Cancelled;
    }();
    endTransfer({outcome, result.message}, written, written);
    reportSafeWrite(result);
}

void CProcessDlg::reportSafeWrite(const SafeWriteResult& result) {
    const Language language = context_.resources.language;
    const auto text = [language](BuiltInText id) { return toQString(builtInText(id, language)); };
    QWidget* owner = parentWidget();
    if (!result.backupError.empty()) {
        context_.messages.show(owner, toQString(result.backupError));
        return;
    }
    // Once the radio was read, the user learns where its old memory is kept.
    const QString backup = QStringLiteral("\n\n") + toQString(result.backupPath);
    if (!result.verifyDifferences.empty()) {
        const QString summary =
            text(BuiltInText::VerifyFailed).arg(result.verifyDifferences.size()) +
            (result.backupPath.empty()
                 ? QString()
                 : QStringLiteral("\n") + text(BuiltInText::BackupKeptIn) + backup);
        CDifferencesDlg window(language, text(BuiltInText::StepVerify), summary,
                               result.verifyDifferences, CDifferencesDlg::Buttons::Close, owner);
        window.exec();
        return;
    }
    if (result.backupPath.empty()) {
        return;
    }
    if (result.outcome == SafeWriteOutcome::Done) {
        context_.messages.show(owner, text(BuiltInText::WrittenWithBackup) + backup,
                               MessageBoxes::Buttons::Ok, QMessageBox::Information);
    } else if (result.radioTouched) {
        context_.messages.show(owner, text(BuiltInText::BackupKeptIn) + backup);
    }
}

void CProcessDlg::reject() {
    if (commands_.cancel()) {
        QDialog::reject();
        emit stateChanged();
    } else if (commands_.cancelRequested()) {
        if (commands_.direction() == TransferDirection::Write) {
            safeWorker_.cancel();
        } else {
            worker_.cancel();
        }
    }
}

void CProcessDlg::setStatus(BuiltInText text) {
    status_->setText(toQString(builtInText(text, context_.resources.language)));
}

void CProcessDlg::setProgress(int position) {
    progress_->setValue(position);
    status_->setText(QString::number(position));
}

RetryAnswer CProcessDlg::askRetry(MessageId id) {
    return askTransferRetry(context_.messages, this, id, context_.resources.language,
                            context_.portName());
}

void CProcessDlg::showMessage(const TransferMessage& message) {
    showTransferMessage(context_.messages, this, message, context_.resources.language,
                        context_.applicationTitle, context_.portName());
}

}  // namespace kw::app
