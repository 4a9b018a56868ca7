#include "game/app/ending_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace platform {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The socket pair: the handler writes into [0], the notifier reads [1].
int pairEnds[2] = {-1, -1};

void Handler(int signal) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // A full socket already holds a signal still to be heard: nothing lost.
    [[maybe_unused]] const ssize_t written = ::write(pairEnds[0], &number, 1);
    errno = savedErrno;
}

}  // namespace

EndingSignals::EndingSignals(std::function<void(int)> ended, QObject* parent)
    : QObject(parent), ended_(std::move(ended)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pairEnds) != 0) {
        pairEnds[0] = pairEnds[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(pairEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndingSignals::Heard);
    struct sigaction action {};
    action.sa_handler = Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

EndingSignals::~EndingSignals() {
    if (!notifier_) return;
    for (int signal : kSignals)
        std::signal(signal, SIG_DFL);
    delete notifier_;
    notifier_ = nullptr;
    ::close(pairEnds[0]);
    ::close(pairEnds[1]);
    pairEnds[0] = pairEnds[1] = -1;
}

void EndingSignals::Heard() {
    unsigned char number = 0;
    while (::read(pairEnds[1], &number, 1) == 1)
        if (ended_) ended_(number);
}

}  // namespace platform
