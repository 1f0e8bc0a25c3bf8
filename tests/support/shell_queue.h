#pragma once
// The shell's thread in a test: calls posted from other threads wait in a queue until the
// test's own thread runs them.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "session/transfer_worker.h"

namespace kw::test {

class ShellQueue {
  public:
    // Posts into this queue; the queue must outlive whatever posts.
    PostToShell poster();
    // Runs the posted calls in order until `done` holds (true) or `timeout` has passed.
    bool runUntil(const std::function<bool()>& done,
                  std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Whether `count` calls wait to be run, or do within `timeout`.
    bool waitForPosted(std::size_t count, std::chrono::milliseconds timeout);

  private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> calls_;
};

}  // namespace kw::test
