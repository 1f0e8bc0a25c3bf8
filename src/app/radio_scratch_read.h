#pragma once
// A Read of the radio into a scratch image, on a worker thread, for a comparison: the
// radio must hold the password of the image it starts from, as a Read requires. A
// progress window blocks the main window meanwhile and its Cancel stops the Read. The
// object deletes itself once the Read is over.

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

#include "link/protocol_trace.h"
#include "session/transfer_worker.h"

class QProgressDialog;
class QWidget;

namespace kw::app {

class MessageBoxes;

class RadioScratchRead : public QObject, private TransferShell {
    Q_OBJECT
  public:
    struct Context {
        Language language;
        MessageBoxes& messages;
        QString applicationTitle;
        std::shared_ptr<const TraceSwitch> trace;  // what the port records into, if anything
    };
    using Done = std::function<void(const RadioImage& radio)>;

    // Starts a Read over a copy of `from` at once; `done` gets the radio's memory after a
    // completed Read only.
    static void start(const Context& context, const RadioImage& from, const std::string& port,
                      QWidget* owner, Done done);

  private:
    RadioScratchRead(const Context& context, std::string port, QWidget* owner, Done done);

    void setStatus(BuiltInText text) override;
    void setProgress(int position) override;
    RetryAnswer askRetry(MessageId id) override;
    void showMessage(const TransferMessage& message) override;
    void transferFinished(const TransferResult& result, const RadioImage& image) override;

    Context context_;
    std::string port_;
    Done done_;
    QPointer<QProgressDialog> progress_;
    TransferWorker worker_;
};

}  // namespace kw::app
