// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

#include <QDateTime>
#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <limits>

namespace platform
{

SystemClock::SystemClock()
    : now(&QDateTime::currentMSecsSinceEpoch)
    , localToday(&QDate::currentDate)
    , startOfDay([](QDate date) { return date.startOfDay().toMSecsSinceEpoch(); })
{
}

SystemClock::~SystemClock()
{
    m_setNotifier.reset();
    if (m_setFd >= 0)
        ::close(m_setFd);
}

namespace
{

    // Arms fd to expire never but to be cancelled, and so become readable, when the clock is set.
    bool armForClockSet(int fd)
    {
        itimerspec never {};
        never.it_value.tv_sec = std::numeric_limits<std::time_t>::max() / 2; // the kernel caps it
        return ::timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) == 0;
    }

} // namespace

QDate SystemClock::today() const
{
    const qint64 t = now();
    const bool fresh = t >= m_lookedUpAt && t - m_lookedUpAt < RecheckMs;
    if (m_date.isValid() && fresh && t >= m_dayStart && t < m_nextDayStart)
        return m_date;
    m_date = localToday();
    m_dayStart = startOfDay(m_date);
    m_nextDayStart = startOfDay(m_date.addDays(1));
    m_lookedUpAt = t;
    return m_date;
}

int SystemClock::msUntilRecheck() const
{
    today();
    const qint64 left = std::min(m_nextDayStart, m_lookedUpAt + RecheckMs) - now();
    return static_cast<int>(std::clamp<qint64>(left, 1, RecheckMs));
}

void SystemClock::watchClockSet(const std::function<void()> &changed)
{
    m_clockSet = changed;
    if (!m_clockSet || m_setFd >= 0)
        return;
    m_setFd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_setFd < 0)
        return;
    if (!armForClockSet(m_setFd)) {
        ::close(m_setFd);
        m_setFd = -1;
        return;
    }
    m_setNotifier = std::make_unique<QSocketNotifier>(m_setFd, QSocketNotifier::Read);
    QObject::connect(m_setNotifier.get(), &QSocketNotifier::activated, [this] { clockWasSet(); });
}

void SystemClock::clockWasSet()
{
    // The read fails with ECANCELED; the timer stays cancelled until armed again.
    std::uint64_t expirations = 0;
    static_cast<void>(::read(m_setFd, &expirations, sizeof expirations));
    armForClockSet(m_setFd);
    m_date = QDate();
    if (m_clockSet)
        m_clockSet();
}

} // namespace platform
