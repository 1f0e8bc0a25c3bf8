#pragma once
// How a worker thread reaches its shell: calls posted to the shell's thread, questions
// asked there while the worker waits, and a session observer that crosses over. A posted
// call may run after the worker has gone; it then leaves the shell alone.

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "link/serial_port.h"
#include "link/session_observer.h"
#include "link/sleeper.h"

namespace kw {

// Runs `call` later on the shell's own thread (the desktop: a queued call of a window).
// It is called from the worker's thread.
using PostToShell = std::function<void(std::function<void()> call)>;

template <typename Shell>
class ShellBridge : public std::enable_shared_from_this<ShellBridge<Shell>> {
  public:
    ShellBridge(Shell& shell, PostToShell post) : shell_(shell), post_(std::move(post)) {}

    // Runs `call` with the shell on the shell's thread.
    void tell(std::function<void(Shell&)> call) {
        post_([self = this->shared_from_this(), call = std::move(call)] {
            if (!self->gone()) {
                call(self->shell_);
            }
        });
    }

    // Asks `question` on the shell's thread and waits for the answer. The wait ends
    // without one when the worker goes, and at `cancel` when one is given; a question
    // already cancelled is not asked.
    template <typename Answer>
    std::optional<Answer> ask(std::function<Answer(Shell&)> question,
                              std::optional<std::stop_token> cancel) {
        if (cancel && cancel->stop_requested()) {
            return std::nullopt;
        }
        auto reply = std::make_shared<std::optional<Answer>>();
        tell(
            [self = this->shared_from_this(), reply, question = std::move(question)](Shell& shell) {
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

    Shell& shell_;
    PostToShell post_;
    std::mutex mutex_;
    std::condition_variable_any changed_;
    bool gone_ = false;
};

// The session's user on the worker's thread: everything goes on to the shell, and a
// cancel is the worker's stop request. `Observer` is SessionObserver or one built on it.
template <typename Shell, typename Observer = SessionObserver>
class CrossingObserver : public Observer {
  public:
    CrossingObserver(ShellBridge<Shell>& bridge, std::stop_token cancel)
        : bridge_(bridge), cancel_(std::move(cancel)) {}

    void setStatus(BuiltInText text) override {
        bridge_.tell([text](Shell& shell) { shell.setStatus(text); });
    }
    void setProgress(int position) override {
        bridge_.tell([position](Shell& shell) { shell.setProgress(position); });
    }
    bool cancelRequested() override { return cancel_.stop_requested(); }
    RetryAnswer askRetry(MessageId id) override {
        const auto answer = bridge_.template ask<RetryAnswer>(
            [id](Shell& shell) { return shell.askRetry(id); }, cancel_);
        return answer.value_or(RetryAnswer::Cancel);
    }
    // A cancel does not cut the message short: the shell hears of the end after it.
    void showMessage(const TransferMessage& message) override {
        (void)bridge_.template ask<bool>(
            [message](Shell& shell) {
                shell.showMessage(message);
                return true;
            },
            std::nullopt);
    }

  protected:
    ShellBridge<Shell>& bridge_;
    std::stop_token cancel_;
};

// One worker's thread, with the serial port and the sleeper its work runs on and the
// bridge to its shell. Work runs one piece at a time; going away cancels the running piece
// and waits for it, and calls still on their way to the shell then reach it no more.
template <typename Shell>
class ShellThread {
  public:
    using Work = std::function<void(SerialPort&, Sleeper&, ShellBridge<Shell>&, std::stop_token)>;

    ShellThread(std::unique_ptr<SerialPort> port, std::unique_ptr<Sleeper> sleeper, Shell& shell,
                PostToShell post)
        : port_(std::move(port)),
          sleeper_(std::move(sleeper)),
          bridge_(std::make_shared<ShellBridge<Shell>>(shell, std::move(post))) {}
    ~ShellThread() {
        bridge_->leave();
        thread_.request_stop();
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    ShellThread(const ShellThread&) = delete;
    ShellThread& operator=(const ShellThread&) = delete;

    // Starts `work` once the previous piece has finished: it has posted its end, and its
    // thread is about to finish.
    void run(Work work) {
        if (thread_.joinable()) {
            thread_.join();
        }
        thread_ = std::jthread([this, work = std::move(work)](std::stop_token cancel) {
            work(*port_, *sleeper_, *bridge_, std::move(cancel));
        });
    }
    void cancel() { thread_.request_stop(); }

  private:
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<Sleeper> sleeper_;
    std::shared_ptr<ShellBridge<Shell>> bridge_;
    std::jthread thread_;
};

}  // namespace kw
