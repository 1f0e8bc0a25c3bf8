#include "app/signal_closer.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace kw::app {
namespace {

// The write end for the handler; a handler may touch nothing but such a descriptor.
int gSignalWriteFd = -1;
int gSignalReadFd = -1;

extern "C" void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalWriteFd, &byte, 1);
}

}  // namespace

SignalCloser::SignalCloser(QWidget* window) : window_(window) {
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
        return;
    }
    gSignalWriteFd = fds[0];
    gSignalReadFd = fds[1];
    notifier_ = new QSocketNotifier(gSignalReadFd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalCloser::onSignal);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

SignalCloser::~SignalCloser() {
    if (gSignalWriteFd < 0) {
        return;
    }
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    ::close(gSignalWriteFd);
    ::close(gSignalReadFd);
    gSignalWriteFd = gSignalReadFd = -1;
}

void SignalCloser::onSignal() {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(gSignalReadFd, &byte, 1);
    if (window_) {
        window_->close();
    }
}

}  // namespace kw::app
