#pragma once
// Ctrl-C during a transfer: SIGINT is held back while the watch exists and taken at the
// transfer's cancel points, so the port is always closed properly. The signal stays
// with the thread; no global flag is needed.

#include <signal.h>

namespace kw::cli {

class InterruptWatch {
  public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // True once Ctrl-C has been pressed.
    bool interrupted();
    // Waits until `fd` is readable; false when Ctrl-C came first.
    bool waitReadable(int fd);

  private:
    sigset_t previousMask_;
    struct sigaction previousAction_ {};
    bool interrupted_ = false;
};

}  // namespace kw::cli
