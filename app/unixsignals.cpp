// SPDX-License-Identifier: MIT
#include "app/unixsignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};
int sockets[2] = {-1, -1}; // the handler writes to [0], the event loop reads [1]

void onSignal(int signal)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // Async-signal-safe; when the socket is full, a signal is already on its way.
    [[maybe_unused]] const ssize_t written = write(sockets[0], &number, 1);
    errno = savedErrno;
}

} // namespace

UnixSignals::UnixSignals(QObject *parent)
    : QObject(parent)
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets) != 0)
        return; // the signals keep their default: the program ends at once, as before
    notifier_ = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char number = 0;
        while (read(sockets[1], &number, 1) == 1)
            Q_EMIT received(number);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Handled)
        sigaction(signal, &action, nullptr);
}

UnixSignals::~UnixSignals()
{
    if (!notifier_)
        return;
    for (const int signal : Handled)
        std::signal(signal, SIG_DFL);
    delete notifier_;
    for (int &socket : sockets) {
        close(socket);
        socket = -1;
    }
}
