#pragma once

#include <chrono>

#include "link/sleeper.h"

namespace kw::test {

// Adds up the waits asked for and returns at once.
class FakeSleeper final : public Sleeper {
  public:
    void sleepFor(std::chrono::milliseconds duration) override {
        total += duration;
        ++count;
    }

    std::chrono::milliseconds total{0};
    int count = 0;
};

}  // namespace kw::test
