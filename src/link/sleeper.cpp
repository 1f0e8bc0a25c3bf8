#include "link/sleeper.h"

#include <thread>

namespace kw {

void ThreadSleeper::sleepFor(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

}  // namespace kw
