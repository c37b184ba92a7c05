// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/calendar.h"

#include <cstdint>

namespace calendar
{

static_assert(sizeof(std::int64_t) == 8);

int Get_Week(int year, int month, int day)
{
    if (year <= 1582)
        return 8;
    return prolepticWeekday(year, month, day);
}

int prolepticWeekday(int year, int month, int day)
{
    // The calendar repeats every 400 years (146097 days, a whole number of
    // weeks), so any year may be replaced by one in [2000, 2399] with the same
    // remainder; that keeps every term below non-negative and small.
    std::int64_t y = 2000 + (static_cast<std::int64_t>(year) % 400 + 400) % 400; // [2000, 2399]
    std::int64_t m = month;
    // January and February count as months 13 and 14 of the previous year, so
    // the leap day falls at the end of the counted year.
    if (month == 1 || month == 2) {
        y -= 1;
        m += 12;
    }
    // The remainder is brought into [0, 6] for months and days Lumo never
    // passes as well.
    const std::int64_t s = y + y / 4 - y / 100 + y / 400 + (13 * m + 8) / 5 + day;
    const std::int64_t r = ((s % 7) + 7) % 7; // [0, 6]
    return static_cast<int>(r) + 1;
}

int Month_Long(int year, int month)
{
    int days = month < 8 ? 30 + month % 2 : 31 - month % 2;
    if (month == 2) {
        days = year % 4 == 0 ? 29 : 28;
        if (year % 100 == 0)
            days = 28;
        if (year % 400 == 0)
            days = 29;
    }
    return days;
}

int Second_Monday(int firstWeekday)
{
    // The first Monday is day 1 + (9 - firstWeekday) mod 7; the second is a week later.
    static constexpr int secondMonday[8] = { 0, 9, 8, 14, 13, 12, 11, 10 };
    if (firstWeekday < 1 || firstWeekday > 7)
        return 0;
    return secondMonday[firstWeekday];
}

} // namespace calendar
