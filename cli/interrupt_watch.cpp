#include "interrupt_watch.h"

#include <poll.h>
#include <pthread.h>

#include <cerrno>
#include <ctime>

namespace kw::cli {
namespace {

sigset_t interruptOnly() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    return set;
}

// Delivery during waitReadable only needs to end ppoll().
void ignoreInterrupt(int) {}

}  // namespace

InterruptWatch::InterruptWatch() {
    struct sigaction action {};
    action.sa_handler = ignoreInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousAction_);
    const sigset_t set = interruptOnly();
    pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
}

InterruptWatch::~InterruptWatch() {
    (void)interrupted();  // a late Ctrl-C must not reach the old handler
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
    sigaction(SIGINT, &previousAction_, nullptr);
}

bool InterruptWatch::interrupted() {
    const sigset_t set = interruptOnly();
    const timespec now{0, 0};
    while (sigtimedwait(&set, nullptr, &now) == SIGINT) {
        interrupted_ = true;
    }
    return interrupted_;
}

bool InterruptWatch::waitReadable(int fd) {
    sigset_t unblocked;
    pthread_sigmask(SIG_SETMASK, nullptr, &unblocked);
    sigdelset(&unblocked, SIGINT);
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
