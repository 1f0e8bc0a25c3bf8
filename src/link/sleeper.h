#pragma once
// The protocol's short waits, behind a seam so tests need not sleep.

#include <chrono>

namespace kw {

class Sleeper {
  public:
    virtual ~Sleeper() = default;
    virtual void sleepFor(std::chrono::milliseconds duration) = 0;
};

class ThreadSleeper final : public Sleeper {
  public:
    void sleepFor(std::chrono::milliseconds duration) override;
};

}  // namespace kw
