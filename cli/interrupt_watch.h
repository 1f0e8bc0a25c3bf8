#pragma once
// Ctrl-C during a transfer: SIGINT, and SIGTERM and SIGHUP with it (a closed terminal or
// a stopping system asks the same), is held back while the watch exists and taken at the
// transfer's cancel points, so the port is always closed properly. The signal stays
// with the thread; no global flag is needed.

#include <signal.h>

#include <array>

namespace kw::cli {

class InterruptWatch {
  public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // True once Ctrl-C has been pressed or the program was asked to stop.
    bool interrupted();
    // Waits until `fd` is readable; false when Ctrl-C came first.
    bool waitReadable(int fd);

  private:
    sigset_t previousMask_;
    std::array<struct sigaction, 3> previousActions_{};
    bool interrupted_ = false;
};

}  // namespace kw::cli
