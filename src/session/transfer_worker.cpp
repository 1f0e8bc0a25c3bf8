#include "session/transfer_worker.h"

namespace kw {

TransferWorker::TransferWorker(std::unique_ptr<SerialPort> port, std::unique_ptr<Sleeper> sleeper,
                               TransferShell& shell, PostToShell post)
    : port_(std::move(port)),
      sleeper_(std::move(sleeper)),
      bridge_(std::make_shared<ShellBridge<TransferShell>>(shell, std::move(post))) {}

TransferWorker::~TransferWorker() {
    bridge_->leave();
    thread_.request_stop();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void TransferWorker::start(TransferDirection direction, const RadioImage& image,
                           std::string portName) {
    // The previous session has posted its end; its thread is about to finish.
    if (thread_.joinable()) {
        thread_.join();
    }
    thread_ = std::jthread([this, direction, transferred = image,
                            portName = std::move(portName)](std::stop_token cancel) mutable {
        CrossingObserver<TransferShell> observer(*bridge_, std::move(cancel));
        ProgrammingSession session(*port_, observer, *sleeper_);
        const TransferResult result = session.run(direction, transferred, portName);
        bridge_->tell([result, transferred](TransferShell& shell) {
            shell.transferFinished(result, transferred);
        });
    });
}

void TransferWorker::cancel() {
    thread_.request_stop();
}

}  // namespace kw
