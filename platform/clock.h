// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QtGlobal>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace platform
{

// Today's local date. Everything that needs "today" asks a Clock, so tests can
// cross midnight, month ends and year ends at will.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // Milliseconds during which today() keeps its answer unless the wall clock
    // is set; the calendar asks again after them.
    virtual int msUntilRecheck() const
    {
        return 1000;
    }
    // Calls changed whenever the wall clock is set or the machine wakes from
    // sleep, when today() may have moved at once; an empty function stops it.
    virtual void watchClockSet(const std::function<void()> &changed)
    {
        static_cast<void>(changed);
    }
};

// The system's local date. A local-time lookup makes the C library re-read the
// time zone each time, so the date is kept with the span of wall-clock time it
// covers and looked up again only when the clock leaves that span (midnight, or
// the clock set either way) or a minute has passed (a new time zone shows within
// a minute). So the calendar needs to wake only at midnight or a minute on, and
// when the kernel says the clock was set.
class SystemClock final : public Clock
{
public:
    QDate today() const override;
    int msUntilRecheck() const override;
    void watchClockSet(const std::function<void()> &changed) override;

    static constexpr qint64 RecheckMs = 60'000;

    // Where the time comes from: milliseconds since the epoch, today's local
    // date, and the first millisecond of a local day. Replaced in tests.
    std::function<qint64()> now;
    std::function<QDate()> localToday;
    std::function<qint64(QDate)> startOfDay;

    SystemClock();
    ~SystemClock() override;
    SystemClock(const SystemClock &) = delete;
    SystemClock &operator=(const SystemClock &) = delete;

private:
    void clockWasSet();

    mutable QDate m_date;
    mutable qint64 m_dayStart = 0;
    mutable qint64 m_nextDayStart = 0;
    mutable qint64 m_lookedUpAt = 0;
    std::function<void()> m_clockSet;
    // A timer set to the end of time that the kernel cancels when the clock is set.
    int m_setFd = -1;
    std::unique_ptr<QSocketNotifier> m_setNotifier;
};

} // namespace platform
