// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QtGlobal>

#include <functional>

namespace platform
{

// Today's local date. Everything that needs "today" asks a Clock, so tests can
// cross midnight, month ends and year ends at will.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

// The system's local date. The calendar asks once a second; a local-time lookup
// makes the C library re-read the time zone each time, so the date is kept with
// the span of wall-clock time it covers and looked up again only when the clock
// leaves that span (midnight, or the clock set either way) or a minute has passed
// (a new time zone shows within a minute).
class SystemClock final : public Clock
{
public:
    QDate today() const override;

    static constexpr qint64 RecheckMs = 60'000;

    // Where the time comes from: milliseconds since the epoch, today's local
    // date, and the first millisecond of a local day. Replaced in tests.
    std::function<qint64()> now;
    std::function<QDate()> localToday;
    std::function<qint64(QDate)> startOfDay;

    SystemClock();

private:
    mutable QDate m_date;
    mutable qint64 m_dayStart = 0;
    mutable qint64 m_nextDayStart = 0;
    mutable qint64 m_lookedUpAt = 0;
};

} // namespace platform
