#include "session/transfer_worker.h"

#include <condition_variable>
#include <mutex>
#include <optional>

namespace kw {

// What the worker's thread and the calls it posts share. A posted call may run after
// the worker has gone; it then leaves the shell alone.
class TransferWorker::Bridge : public std::enable_shared_from_this<Bridge> {
  public:
    Bridge(TransferShell& shell, PostToShell post) : shell_(shell), post_(std::move(post)) {}

    // Runs `call` with the shell on the shell's thread.
    void tell(std::function<void(TransferShell&)> call) {
        post_([self = shared_from_this(), call = std::move(call)] {
            if (!self->gone()) {
                call(self->shell_);
            }
        });
    }

    // Asks `question` on the shell's thread and waits for the answer. The wait ends
    // without one when the worker goes, and at `cancel` when one is given; a question
    // already cancelled is not asked.
    template <typename Answer>
    std::optional<Answer> ask(std::function<Answer(TransferShell&)> question,
                              std::optional<std::stop_token> cancel) {
        if (cancel && cancel->stop_requested()) {
            return std::nullopt;
        }
        auto reply = std::make_shared<std::optional<Answer>>();
        tell([self = shared_from_this(), reply,
              question = std::move(question)](TransferShell& shell) {
            Answer answer = question(shell);
            const std::lock_guard lock(self->mutex_);
            *reply = answer;
            self->changed_.notify_all();
        });
        std::unique_lock lock(mutex_);
        const auto over = [&] { return reply->has_value() || gone_; };
        if (cancel) {
            changed_.wait(lock, *cancel, over);
        } else {
            changed_.wait(lock, over);
        }
        return *reply;
    }

    // The worker goes: waits end, and calls still on their way do nothing.
    void leave() {
        const std::lock_guard lock(mutex_);
        gone_ = true;
        changed_.notify_all();
    }

  private:
    bool gone() {
        const std::lock_guard lock(mutex_);
        return gone_;
    }

    TransferShell& shell_;
    PostToShell post_;
    std::mutex mutex_;
    std::condition_variable_any changed_;
    bool gone_ = false;
};

// The session's user on the worker's thread: everything goes on to the shell, and a
// cancel is the worker's stop request.
class TransferWorker::CrossingObserver final : public SessionObserver {
  public:
    CrossingObserver(Bridge& bridge, std::stop_token cancel)
        : bridge_(bridge), cancel_(std::move(cancel)) {}

    void setStatus(BuiltInText text) override {
        bridge_.tell([text](TransferShell& shell) { shell.setStatus(text); });
    }
    void setProgress(int position) override {
        bridge_.tell([position](TransferShell& shell) { shell.setProgress(position); });
    }
    bool cancelRequested() override { return cancel_.stop_requested(); }
    RetryAnswer askRetry(MessageId id) override {
        const auto answer = bridge_.ask<RetryAnswer>(
            [id](TransferShell& shell) { return shell.askRetry(id); }, cancel_);
        return answer.value_or(RetryAnswer::Cancel);
    }
    // A cancel does not cut the message short: the shell hears of the end after it.
    void showMessage(const TransferMessage& message) override {
        (void)bridge_.ask<bool>(
            [message](TransferShell& shell) {
                shell.showMessage(message);
                return true;
            },
            std::nullopt);
    }

  private:
    Bridge& bridge_;
    std::stop_token cancel_;
};

TransferWorker::TransferWorker(std::unique_ptr<SerialPort> port, std::unique_ptr<Sleeper> sleeper,
                               TransferShell& shell, PostToShell post)
    : port_(std::move(port)),
      sleeper_(std::move(sleeper)),
      bridge_(std::make_shared<Bridge>(shell, std::move(post))) {}

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
        CrossingObserver observer(*bridge_, std::move(cancel));
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
