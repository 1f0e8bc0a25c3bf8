#pragma once
// A safe write on a thread of its own, with its own serial port, as TransferWorker runs a
// Read or Write: its calls reach the shell on the shell's own thread, and the worker waits
// there for the answers to the Retry question and to the changes question.

#include <memory>
#include <string>
#include <vector>

#include "session/safe_write.h"
#include "session/shell_bridge.h"

namespace kw {

// What a running safe write tells its shell. Every call comes on the shell's own thread.
class SafeWriteShell {
  public:
    virtual ~SafeWriteShell() = default;

    virtual void beginStep(SafeWriteStep step) = 0;
    virtual void setStatus(BuiltInText text) = 0;
    virtual void setProgress(int position) = 0;
    // The worker waits for the answer; a cancel meanwhile stops the waiting at once.
    virtual RetryAnswer askRetry(MessageId id) = 0;
    // The worker waits until it has been shown.
    virtual void showMessage(const TransferMessage& message) = 0;
    // The worker waits for the answer; a cancel meanwhile answers No.
    virtual bool confirmChanges(const std::vector<ImageDifference>& changes) = 0;
    // The safe write is over.
    virtual void safeWriteFinished(const SafeWriteResult& result) = 0;
};

class SafeWriteWorker {
  public:
    SafeWriteWorker(std::unique_ptr<SerialPort> port, std::unique_ptr<Sleeper> sleeper,
                    SafeWriteShell& shell, PostToShell post);
    // Going away cancels a running safe write and waits for its thread.

    // Starts a safe write of a copy of `image`, once the previous one has finished.
    void start(const RadioImage& image, std::string portName, SafeWriteOptions options,
               BackupPlace backups);
    // The running step stops at its next check; a question waiting is answered Cancel/No.
    void cancel();

  private:
    class Crossing;

    ShellThread<SafeWriteShell> thread_;
};

}  // namespace kw
