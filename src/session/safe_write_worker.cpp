#include "session/safe_write_worker.h"

namespace kw {

// The safe write's user on the worker's thread: the session's calls, the steps and the
// changes question all go on to the shell; a cancel answers the question No.
class SafeWriteWorker::Crossing final : public CrossingObserver<SafeWriteShell, SafeWriteObserver> {
  public:
    using CrossingObserver::CrossingObserver;

    void beginStep(SafeWriteStep step) override {
        bridge_.tell([step](SafeWriteShell& shell) { shell.beginStep(step); });
    }
    bool confirmChanges(const std::vector<ImageDifference>& changes) override {
        const auto answer = bridge_.ask<bool>(
            [changes](SafeWriteShell& shell) { return shell.confirmChanges(changes); }, cancel_);
        return answer.value_or(false);
    }
};

SafeWriteWorker::SafeWriteWorker(std::unique_ptr<SerialPort> port, std::unique_ptr<Sleeper> sleeper,
                                 SafeWriteShell& shell, PostToShell post)
    : thread_(std::move(port), std::move(sleeper), shell, std::move(post)) {}

void SafeWriteWorker::start(const RadioImage& image, std::string portName, SafeWriteOptions options,
                            BackupPlace backups) {
    thread_.run([image, portName = std::move(portName), options = std::move(options),
                 backups = std::move(backups)](SerialPort& port, Sleeper& sleeper,
                                               ShellBridge<SafeWriteShell>& bridge,
                                               std::stop_token cancel) {
        Crossing observer(bridge, std::move(cancel));
        SafeWrite safeWrite(port, observer, sleeper);
        const SafeWriteResult result = safeWrite.run(image, portName, options, backups);
        bridge.tell([result](SafeWriteShell& shell) { shell.safeWriteFinished(result); });
    });
}

void SafeWriteWorker::cancel() {
    thread_.cancel();
}

}  // namespace kw
