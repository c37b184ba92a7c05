// SPDX-License-Identifier: GPL-3.0-or-later
// The system clock's kept date: looked up again exactly when it may have changed.
#include "platform/clock.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace
{

using platform::SystemClock;

constexpr qint64 Hour = 3'600'000;

// A clock on a settable wall-clock time and UTC offset, counting local-date lookups.
struct Sources {
    qint64 time = 0;
    qint64 offset = 9 * Hour; // Japan
    int lookups = 0;

    void attach(SystemClock &clock)
    {
        clock.now = [this] { return time; };
        clock.localToday = [this] {
            ++lookups;
            return QDateTime::fromMSecsSinceEpoch(time + offset, Qt::UTC).date();
        };
        clock.startOfDay = [this](QDate d) { return QDateTime(d, QTime(0, 0), Qt::UTC).toMSecsSinceEpoch() - offset; };
    }
};

qint64 tokyo(int y, int m, int d, int h, int min, int s, int ms = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s, ms), Qt::UTC).toMSecsSinceEpoch() - 9 * Hour;
}

TEST(SystemClock, LooksUpTheDateOnlyWhenItMayHaveChanged)
{
    // clang-format off
    const struct {
        const char *name;
        qint64 time;
        QDate date;
        bool lookup;
    } steps[] = {
        {"first ask", tokyo(2026, 12, 31, 23, 59, 10), QDate(2026, 12, 31), true},
        {"a second later", tokyo(2026, 12, 31, 23, 59, 11), QDate(2026, 12, 31), false},
        {"the day's last millisecond", tokyo(2026, 12, 31, 23, 59, 59, 999), QDate(2026, 12, 31), false},
        {"midnight", tokyo(2027, 1, 1, 0, 0, 0), QDate(2027, 1, 1), true},
        {"after midnight", tokyo(2027, 1, 1, 0, 0, 30), QDate(2027, 1, 1), false},
        {"a minute after the last look", tokyo(2027, 1, 1, 0, 1, 0), QDate(2027, 1, 1), true},
        {"clock set back a day", tokyo(2026, 12, 31, 0, 1, 0), QDate(2026, 12, 31), true},
        {"clock set back within the day", tokyo(2026, 12, 31, 0, 0, 30), QDate(2026, 12, 31), true},
        {"clock set forward a month", tokyo(2027, 1, 31, 0, 0, 30), QDate(2027, 1, 31), true},
    };
    // clang-format on
    SystemClock clock;
    Sources sources;
    sources.attach(clock);
    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        const int before = sources.lookups;
        sources.time = step.time;
        EXPECT_EQ(clock.today(), step.date);
        EXPECT_EQ(sources.lookups - before, step.lookup ? 1 : 0);
    }
}

TEST(SystemClock, NewTimeZoneShowsWithinAMinute)
{
    SystemClock clock;
    Sources sources;
    sources.attach(clock);
    sources.time = tokyo(2026, 12, 8, 10, 0, 0); // 01:00 UTC
    ASSERT_EQ(clock.today(), QDate(2026, 12, 8));
    sources.offset = -5 * Hour; // New York: still the 7th there
    sources.time += SystemClock::RecheckMs;
    EXPECT_EQ(clock.today(), QDate(2026, 12, 7));
}

TEST(SystemClock, NextCheckComesAtMidnightOrAMinuteOn)
{
    // clang-format off
    const struct {
        const char *name;
        qint64 lookedUp;
        qint64 asked;
        int ms;
    } rows[] = {
        {"midday", tokyo(2026, 12, 8, 12, 0, 0), tokyo(2026, 12, 8, 12, 0, 0), 60'000},
        {"later in the minute", tokyo(2026, 12, 8, 12, 0, 0), tokyo(2026, 12, 8, 12, 0, 45), 15'000},
        {"before midnight", tokyo(2026, 12, 31, 23, 59, 10), tokyo(2026, 12, 31, 23, 59, 10), 50'000},
        {"the last millisecond", tokyo(2026, 12, 31, 23, 59, 0), tokyo(2026, 12, 31, 23, 59, 59, 999), 1},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SystemClock clock;
        Sources sources;
        sources.attach(clock);
        sources.time = row.lookedUp;
        clock.today();
        sources.time = row.asked;
        EXPECT_EQ(clock.msUntilRecheck(), row.ms);
    }
}

TEST(SystemClock, RealSourcesGiveTodaysLocalDate)
{
    const SystemClock clock;
    const QDate before = QDate::currentDate();
    const QDate today = clock.today();
    EXPECT_TRUE(today == before || today == before.addDays(1));
}

} // namespace
