#pragma once
// One Read or Write on a thread of its own, with its own serial port, over a copy of the
// document's image; several workers on different ports run at once. The session's calls
// reach the shell on the shell's own thread; for a question or a message the session
// waits there until the shell has answered.

#include <functional>
#include <memory>
#include <string>

#include "link/programming_session.h"
#include "session/shell_bridge.h"

namespace kw {

// What a running transfer tells its shell. Every call comes on the shell's own thread.
class TransferShell {
  public:
    virtual ~TransferShell() = default;

    virtual void setStatus(BuiltInText text) = 0;
    virtual void setProgress(int position) = 0;
    // The session waits for the answer; a cancel meanwhile stops the waiting at once.
    virtual RetryAnswer askRetry(MessageId id) = 0;
    // The session waits until it has been shown.
    virtual void showMessage(const TransferMessage& message) = 0;
    // The session is over; `image` is the one it worked on, a completed Read's memory.
    virtual void transferFinished(const TransferResult& result, const RadioImage& image) = 0;
};

class TransferWorker {
  public:
    TransferWorker(std::unique_ptr<SerialPort> port, std::unique_ptr<Sleeper> sleeper,
                   TransferShell& shell, PostToShell post);
    // Going away cancels a running transfer and waits for its thread.

    // Starts a session over a copy of `image`, once the previous one has finished.
    void start(TransferDirection direction, const RadioImage& image, std::string portName);
    // The session stops at its next check, and a question it waits on is answered Cancel.
    void cancel();

  private:
    ShellThread<TransferShell> thread_;
};

}  // namespace kw
