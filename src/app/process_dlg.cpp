#include "app/process_dlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/cable_details.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "app/status_notice.h"
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
      notStartedText_(status_->text()),
      worker_(
          std::make_unique<TracingSerialPort>(std::make_unique<PosixSerialPort>(), context.trace),
          std::make_unique<ThreadSleeper>(), *this, [this](std::function<void()> call) {
              QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
          }) {
    setModal(false);
    progress_->setRange(0, kProgressRange);
}

CProcessDlg::~CProcessDlg() = default;

void CProcessDlg::onRead() {
    offerWindow(commands_.onRead());
}

void CProcessDlg::onWrite() {
    offerWindow(commands_.onWrite(grid_));
}

void CProcessDlg::offerWindow(bool offered) {
    if (!offered) {
        return;
    }
    setWindowTitle(toQString(builtInText(commands_.title(), context_.resources.language)));
    progress_->setValue(0);
    status_->setText(notStartedText_);
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
    worker_.start(commands_.direction(), commands_.beginTransfer(grid_, image_),
                  context_.portName());
}

void CProcessDlg::transferFinished(const TransferResult& result, const RadioImage& transferred) {
    const TransferDirection direction = commands_.direction();
    commands_.endTransfer(grid_, result, transferred, image_);
    // A completed transfer is said in the status bar; only a failure needs a message box.
    if (result) {
        const auto took = std::chrono::steady_clock::now() - started_;
        showStatusNotice(parentWidget(), toQString(transferSummary(direction, image_, took,
                                                                   context_.resources.language)));
    }
    hide();
    emit stateChanged();
    emit transferEnded(direction, result.outcome);
}

void CProcessDlg::reject() {
    if (commands_.cancel()) {
        QDialog::reject();
        emit stateChanged();
    } else if (commands_.cancelRequested()) {
        worker_.cancel();
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
    // No answer: what stands between the cable and the radio may show in the checks.
    const auto answer = context_.messages.show(
        this, toQString(messageText(id, context_.resources.language)),
        MessageBoxes::Buttons::RetryCancel, QMessageBox::Warning, {},
        id == MessageId::CommunicationError ? cableDetails(context_.portName()) : QString());
    return answer == MessageBoxes::Answer::Retry ? RetryAnswer::Retry : RetryAnswer::Cancel;
}

void CProcessDlg::showMessage(const TransferMessage& message) {
    QString text = toQString(messageText(message, context_.resources.language));
    if (!message.detail.empty()) {
        text += QStringLiteral("\n\n") + toQString(message.detail);
    }
    // The cure of every port problem starts in the same place.
    QString details;
    if (const auto* id = std::get_if<MessageId>(&message.text);
        id && *id == MessageId::CouldNotOpenPort) {
        text += QStringLiteral("\n\n") + toQString(builtInText(BuiltInText::ChoosePortInComSetup,
                                                               context_.resources.language));
        details = cableDetails(context_.portName());
    }
    // String-table messages take the program's caption; the built-in ones its title.
    const bool builtIn = std::holds_alternative<BuiltInText>(message.text);
    context_.messages.show(this, text, MessageBoxes::Buttons::Ok, QMessageBox::Warning,
                           builtIn ? context_.applicationTitle : QString(), details);
}

}  // namespace kw::app
