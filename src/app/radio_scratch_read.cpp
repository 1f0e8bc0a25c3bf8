#include "app/radio_scratch_read.h"

#include <QProgressDialog>

#include "app/qt_text.h"
#include "app/transfer_messages.h"
#include "link/posix_serial_port.h"

namespace kw::app {

void RadioScratchRead::start(const Context& context, const RadioImage& from,
                             const std::string& port, QWidget* owner, Done done) {
    auto* read = new RadioScratchRead(context, port, owner, std::move(done));
    read->worker_.start(TransferDirection::Read, from, port);
}

RadioScratchRead::RadioScratchRead(const Context& context, std::string port, QWidget* owner,
                                   Done done)
    : QObject(owner),
      context_(context),
      port_(std::move(port)),
      done_(std::move(done)),
      progress_(new QProgressDialog(owner)),
      worker_(
          std::make_unique<TracingSerialPort>(std::make_unique<PosixSerialPort>(), context.trace),
          std::make_unique<ThreadSleeper>(), *this, [this](std::function<void()> call) {
              QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
          }) {
    progress_->setWindowTitle(
        toQString(builtInText(BuiltInText::ReadDataTitle, context_.language)));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setRange(0, kProgressRange);
    progress_->setMinimumDuration(0);
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    connect(progress_, &QProgressDialog::canceled, this, [this] { worker_.cancel(); });
    progress_->show();
}

void RadioScratchRead::setStatus(BuiltInText text) {
    if (progress_) {
        progress_->setLabelText(toQString(builtInText(text, context_.language)));
    }
}

void RadioScratchRead::setProgress(int position) {
    if (progress_) {
        progress_->setValue(position);
    }
}

RetryAnswer RadioScratchRead::askRetry(MessageId id) {
    return askTransferRetry(context_.messages, progress_, id, context_.language, port_);
}

void RadioScratchRead::showMessage(const TransferMessage& message) {
    showTransferMessage(context_.messages, progress_, message, context_.language,
                        context_.applicationTitle, port_);
}

void RadioScratchRead::transferFinished(const TransferResult& result, const RadioImage& image) {
    // A modal progress dialog runs the event loop in its setValue, so the end can come
    // while a setValue is still under way: the dialog may only go later.
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
        progress_ = nullptr;
    }
    if (result) {
        done_(image);
    }
    // The worker's thread is still ending: it is joined once this call has returned.
    deleteLater();
}

}  // namespace kw::app
