#include "support/shell_queue.h"

namespace kw::test {

PostToShell ShellQueue::poster() {
    return [this](std::function<void()> call) {
        const std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
        posted_.notify_one();
    };
}

bool ShellQueue::runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        std::unique_lock lock(mutex_);
        if (!posted_.wait_until(lock, deadline, [this] { return !calls_.empty(); })) {
            return false;
        }
        const std::function<void()> call = std::move(calls_.front());
        calls_.pop_front();
        lock.unlock();
        call();
    }
    return true;
}

bool ShellQueue::waitForPosted(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, timeout, [&] { return calls_.size() >= count; });
}

}  // namespace kw::test
