// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unix_signals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace app
{

#ifdef Q_OS_UNIX
namespace
{

    int signalPipe[2] = { -1, -1 };

    // Only async-signal-safe work here: wake the event loop through the socket.
    extern "C" void onTerminationSignal(int)
    {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    }

} // namespace
#endif

UnixSignals::UnixSignals(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    ::fcntl(signalPipe[0], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(signalPipe[1], &byte, 1) == 1) { }
        emit terminationRequested();
    });
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);

    struct sigaction action {
    };
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : { SIGTERM, SIGINT, SIGHUP })
        ::sigaction(sig, &action, nullptr);
#endif
}

UnixSignals::~UnixSignals()
{
#ifdef Q_OS_UNIX
    for (int sig : { SIGTERM, SIGINT, SIGHUP })
        ::signal(sig, SIG_DFL);
#endif
}

} // namespace app
