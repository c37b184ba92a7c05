// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/calendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

using calendar::Get_Week;
using calendar::Month_Long;
using calendar::prolepticWeekday;
using calendar::Second_Monday;
namespace chr = std::chrono;

TEST(GetWeek, KnownDates)
{
    struct Row {
        int year, month, day, weekday;
    };
    // clang-format off
    const Row rows[] = {
        {2000, 1, 1, 7}, {2014, 12, 1, 2}, {1583, 1, 1, 7}, {2000, 2, 29, 3}, {2000, 3, 1, 4},
        {1582, 12, 31, 8}, {0, 1, 1, 8}, {-1, 6, 1, 8}, {INT_MIN, 1, 1, 8},
    };
    // clang-format on
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << r.year << '-' << r.month << '-' << r.day);
        EXPECT_EQ(Get_Week(r.year, r.month, r.day), r.weekday);
    }
}

// Every day from 401 BC (year -400) to 2999 against the standard library's
// proleptic Gregorian calendar, and each day one weekday after the one before,
// through year 0 and the change of 1582; Get_Week agrees from 1583 and gives 8
// before. Month lengths and second Mondays on the way.
TEST(GetWeek, WalksFromYearMinus400To2999)
{
    constexpr int first = -400;
    int previous
        = static_cast<int>(chr::weekday { chr::sys_days { chr::year { first - 1 } / 12 / 31 } }.c_encoding()) + 1;
    for (int year = first; year <= 2999; ++year) {
        int yearLength = 0;
        for (int month = 1; month <= 12; ++month) {
            const chr::year_month ym { chr::year { year }, chr::month { static_cast<unsigned>(month) } };
            const int length = Month_Long(year, month);
            ASSERT_EQ(length, static_cast<int>(unsigned { chr::year_month_day_last { ym / chr::last }.day() }))
                << year << '-' << month;
            yearLength += length;
            const chr::year_month_day second { ym / chr::Monday[2] };
            ASSERT_EQ(Second_Monday(prolepticWeekday(year, month, 1)), static_cast<int>(unsigned { second.day() }))
                << year << '-' << month;
            for (int day = 1; day <= length; ++day) {
                const int weekday = prolepticWeekday(year, month, day);
                const chr::weekday oracle { chr::sys_days { ym / chr::day { static_cast<unsigned>(day) } } };
                ASSERT_EQ(weekday, static_cast<int>(oracle.c_encoding()) + 1) << year << '-' << month << '-' << day;
                ASSERT_EQ(weekday, previous % 7 + 1) << year << '-' << month << '-' << day;
                ASSERT_EQ(Get_Week(year, month, day), year < 1583 ? 8 : weekday) << year << '-' << month << '-' << day;
                previous = weekday;
            }
        }
        ASSERT_EQ(yearLength, chr::year { year }.is_leap() ? 366 : 365) << year;
    }
}

// The calendar repeats every 400 years (146097 days, a whole number of weeks),
// so a year far out must agree with its counterpart near today.
TEST(GetWeek, HugeYearsRepeatEvery400Years)
{
    for (const int year :
        { INT_MAX, INT_MAX - 1, INT_MAX - 399, 1700000000, 2000000001, INT_MIN, INT_MIN + 1, -1700000001 }) {
        const int near = 2000 + year % 400;
        for (int month = 1; month <= 12; ++month) {
            ASSERT_EQ(Month_Long(year, month), Month_Long(near, month)) << year << '-' << month;
            for (int day = 1; day <= Month_Long(year, month); ++day) {
                ASSERT_EQ(prolepticWeekday(year, month, day), prolepticWeekday(near, month, day))
                    << year << '-' << month << '-' << day;
                if (year > 0) {
                    ASSERT_EQ(Get_Week(year, month, day), Get_Week(near, month, day));
                }
            }
        }
    }
    // 31 December of the year before INT_MAX runs on into 1 January, and the
    // year INT_MIN into the next.
    EXPECT_EQ(Get_Week(INT_MAX, 1, 1), Get_Week(INT_MAX - 1, 12, 31) % 7 + 1);
    EXPECT_EQ(prolepticWeekday(INT_MIN + 1, 1, 1), prolepticWeekday(INT_MIN, 12, 31) % 7 + 1);
}

TEST(MonthLong, LeapYearRule)
{
    struct Row {
        int year, month, days;
    };
    // clang-format off
    const Row rows[] = {
        {1900, 2, 28}, {2000, 2, 29}, {2012, 2, 29}, {2013, 2, 28}, {2100, 2, 28}, {2400, 2, 29},
        {2014, 7, 31}, {2014, 8, 31}, {2014, 4, 30}, {2014, 9, 30}, {2014, 12, 31},
        {INT_MAX, 2, 28}, {INT_MIN, 2, 29}, {-400, 2, 29}, {-100, 2, 28},
    };
    // clang-format on
    for (const Row &r : rows)
        EXPECT_EQ(Month_Long(r.year, r.month), r.days) << r.year << '-' << r.month;
}

TEST(SecondMonday, DayForEachWeekdayOfTheFirst)
{
    const int expected[] = { 0, 9, 8, 14, 13, 12, 11, 10, 0 };
    for (int first = 0; first <= 8; ++first)
        EXPECT_EQ(Second_Monday(first), expected[first]) << first;
    EXPECT_EQ(Second_Monday(INT_MIN), 0);
    EXPECT_EQ(Second_Monday(INT_MAX), 0);
}
