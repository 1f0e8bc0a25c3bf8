#include "interrupt_watch.h"

#include <poll.h>
#include <pthread.h>

#include <cerrno>
#include <ctime>

namespace kw::cli {
namespace {

constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};

sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kStopSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

// Delivery during waitReadable only needs to end ppoll().
void ignoreInterrupt(int) {}

}  // namespace

InterruptWatch::InterruptWatch() {
    struct sigaction action {};
    action.sa_handler = ignoreInterrupt;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
        sigaction(kStopSignals[i], &action, &previousActions_[i]);
    }
    const sigset_t set = stopSignals();
    pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
}

InterruptWatch::~InterruptWatch() {
    (void)interrupted();  // a late Ctrl-C must not reach the old handler
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
        sigaction(kStopSignals[i], &previousActions_[i], nullptr);
    }
}

bool InterruptWatch::interrupted() {
    const sigset_t set = stopSignals();
    const timespec now{0, 0};
    while (sigtimedwait(&set, nullptr, &now) > 0) {
        interrupted_ = true;
    }
    return interrupted_;
}

bool InterruptWatch::waitReadable(int fd) {
    sigset_t unblocked;
    pthread_sigmask(SIG_SETMASK, nullptr, &unblocked);
    for (const int signal : kStopSignals) {
        sigdelset(&unblocked, signal);
    }
    while (!interrupted()) {
        pollfd entry{fd, POLLIN, 0};
        const int ready = ppoll(&entry, 1, nullptr, &unblocked);
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno == EINTR) {
            interrupted_ = true;
        } else if (ready < 0) {
            return false;
        }
    }
    return false;
}

}  // namespace kw::cli
