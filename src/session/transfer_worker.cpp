#include "session/transfer_worker.h"

namespace kw {

TransferWorker::TransferWorker(std::unique_ptr<SerialPort> port, std::unique_ptr<Sleeper> sleeper,
                               TransferShell& shell, PostToShell post)
    : thread_(std::move(port), std::move(sleeper), shell, std::move(post)) {}

void TransferWorker::start(TransferDirection direction, const RadioImage& image,
                           std::string portName) {
    thread_.run([direction, transferred = image, portName = std::move(portName)](
                    SerialPort& port, Sleeper& sleeper, ShellBridge<TransferShell>& bridge,
                    std::stop_token cancel) mutable {
        CrossingObserver<TransferShell> observer(bridge, std::move(cancel));
        ProgrammingSession session(port, observer, sleeper);
        const TransferResult result = session.run(direction, transferred, portName);
        bridge.tell([result, transferred](TransferShell& shell) {
            shell.transferFinished(result, transferred);
        });
    });
}

void TransferWorker::cancel() {
    thread_.cancel();
}

}  // namespace kw
