// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

#include <QDateTime>

namespace platform
{

SystemClock::SystemClock()
    : now(&QDateTime::currentMSecsSinceEpoch)
    , localToday(&QDate::currentDate)
    , startOfDay([](QDate date) { return date.startOfDay().toMSecsSinceEpoch(); })
{
}

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

} // namespace platform
