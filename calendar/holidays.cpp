// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/holidays.h"

#include "calendar/calendar.h"
#include "calendar/holiday_names.h"

#include <cstdint>
#include <string_view>

namespace
{

namespace names = calendar::holiday_names;
using calendar::Get_Week;
using calendar::Month_Long;
using calendar::Second_Monday;

// Rounds the quotient down, also for a negative numerator (d > 0).
std::int64_t floorDiv(std::int64_t n, std::int64_t d)
{
    const std::int64_t q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

// Constants of the equinox formula: the day of the month in 1980, in millionths.
constexpr std::int64_t vernalEquinox = 20843100;
constexpr std::int64_t autumnalEquinox = 23248800;

// Returns the day of March (vernal) or September (autumnal) on which the
// equinox falls: floor(k / 10^6 + 0.242194 A) - floor(A / 4) with A = year - 1980.
// Rounding down, not toward zero, gives the holidays actually kept before 1980
// (21 March 1979, not 20). Integer arithmetic in 64 bits is exact and cannot
// overflow for any int year; far from today the day drifts out of the month.
std::int64_t equinoxDay(int year, std::int64_t k)
{
    const std::int64_t a = std::int64_t { year } - 1980;
    return floorDiv(a * 242194 + k, 1000000) - floorDiv(a, 4);
}

// The month being marked: its days, their weekdays and their cells.
class Month
{
public:
    Month(int year, int month, int offset, calendar::HolidayMarks &grid)
        : m_year(year)
        , m_month(month)
        , m_offset(offset)
        , m_length(Month_Long(year, month))
        , m_grid(grid)
    {
    }

    int year() const
    {
        return m_year;
    }

    // Returns the weekday of the day of this month, 1 = Sunday.
    int weekday(int day) const
    {
        return Get_Week(m_year, m_month, day);
    }

    // Returns whether day lies in this month.
    bool holds(std::int64_t day) const
    {
        return day >= 1 && day <= m_length;
    }

    // Paints the day red, then names it. A later mark or rename of the same day
    // replaces the name, so the rules below run in a fixed order.
    void mark(int day, std::string_view name)
    {
        if (const int cell = cellOf(day)) {
            m_grid.Set_Red(cell);
            m_grid.setHolidayName(cell, name);
        }
    }

    // Gives a day already marked a new name and keeps its colour.
    void rename(int day, std::string_view name)
    {
        if (const int cell = cellOf(day))
            m_grid.setHolidayName(cell, name);
    }

    // From 1973 a holiday that falls on a Sunday makes the Monday a holiday.
    // Only the next day is looked at: where that day is a holiday itself
    // (Golden Week from 2007) the month's own rule names the day after.
    void substituteAfter(int day)
    {
        if (m_year >= 1973 && weekday(day) == 1)
            mark(day + 1, names::substituteHoliday);
    }

private:
    // Returns the grid cell of the day, or 0 when the day is not one of this
    // month's cells in 1..42 (a wrong offset from the caller marks nothing).
    int cellOf(int day) const
    {
        if (!holds(day))
            return 0;
        const std::int64_t cell = std::int64_t { day } + m_offset - 1;
        return cell >= 1 && cell <= 42 ? static_cast<int>(cell) : 0;
    }

    const int m_year;
    const int m_month;
    const int m_offset;
    const int m_length;
    calendar::HolidayMarks &m_grid;
};

// The holidays of 1948's law start with January 1949.
void january(Month &m)
{
    if (m.year() < 1949)
        return;
    const int w1 = m.weekday(1);
    m.mark(1, names::newYearsDay);
    m.substituteAfter(1);
    // From 2000 Coming-of-Age Day is the second Monday and needs no substitute.
    if (m.year() < 2000) {
        m.mark(15, names::comingOfAgeDay);
        m.substituteAfter(15);
    } else {
        m.mark(Second_Monday(w1), names::comingOfAgeDay);
    }
}

void february(Month &m)
{
    if (m.year() < 1967)
        return;
    m.mark(11, names::foundationDay);
    // The substitute law came into force in April 1973, after Sunday 11 February 1973.
    if (m.year() >= 1974 && m.weekday(11) == 1)
        m.mark(12, names::substituteHoliday);
    if (m.year() == 1989)
        m.mark(24, names::imperialFuneral);
    // The Emperor's birthday, from the accession of 2019; none was kept in 2019.
    if (m.year() >= 2020) {
        m.mark(23, names::emperorsBirthday);
        m.substituteAfter(23);
    }
}

void march(Month &m)
{
    if (m.year() < 1949)
        return;
    const std::int64_t e = equinoxDay(m.year(), vernalEquinox);
    if (!m.holds(e))
        return;
    const int day = static_cast<int>(e);
    m.mark(day, names::vernalEquinoxDay);
    m.substituteAfter(day);
}

// 29 April is the Emperor's birthday until 1988, then Greenery Day, then from
// 2007 Showa Day; the renames must follow the mark.
void april(Month &m)
{
    if (m.year() < 1949)
        return;
    if (m.year() == 1959)
        m.mark(10, names::imperialWedding);
    m.mark(29, names::greeneryDay);
    if (m.year() < 1989)
        m.rename(29, names::emperorsBirthday);
    if (m.year() >= 2007)
        m.rename(29, names::showaDay);
    m.substituteAfter(29);
    // The accession of 2019 made 30 April lie between two holidays.
    if (m.year() == 2019)
        m.mark(30, names::citizensHoliday);
}

void may(Month &m)
{
    if (m.year() < 1949)
        return;
    if (m.year() == 2019) {
        m.mark(1, names::accessionDay);
        m.mark(2, names::citizensHoliday);
    }
    m.mark(3, names::constitutionDay);
    // Before 2007 a Sunday 3 May makes Monday 4 May the substitute holiday
    // (1981, 1987, 1992, 1998). From 1986 a day between two holidays is a
    // holiday of its own unless it is a Sunday or already a substitute; from
    // 2007 4 May is a holiday by name every year.
    const bool substitute4 = m.year() >= 1973 && m.year() < 2007 && m.weekday(3) == 1;
    if (substitute4)
        m.mark(4, names::substituteHoliday);
    if (m.year() >= 1986 && !substitute4 && (m.year() >= 2007 || m.weekday(4) != 1))
        m.mark(4, names::citizensHoliday);
    if (m.year() >= 2007)
        m.rename(4, names::greeneryDay);
    m.mark(5, names::childrensDay);
    const int w5 = m.weekday(5);
    if (w5 == 1 && m.year() >= 1973)
        m.mark(6, names::substituteHoliday);
    // From 2007 a Sunday 3 or 4 May moves its holiday past 5 May to 6 May.
    if ((w5 == 2 || w5 == 3) && m.year() >= 2007)
        m.mark(6, names::substituteHoliday);
}

void june(Month &m)
{
    if (m.year() == 1993)
        m.mark(9, names::imperialWedding);
}

// In 2020 and 2021 the Olympic Games moved Marine Day and Sports Day to the eve
// and the day of their opening, and Mountain Day to their closing.
void july(Month &m)
{
    if (m.year() < 1996)
        return;
    if (m.year() == 2020) {
        m.mark(23, names::marineDay);
        m.mark(24, names::sportsDay);
    } else if (m.year() == 2021) {
        m.mark(22, names::marineDay);
        m.mark(23, names::sportsDay);
    } else if (m.year() < 2003) {
        m.mark(20, names::marineDay);
        m.substituteAfter(20);
    } else {
        m.mark(Second_Monday(m.weekday(1)) + 7, names::marineDay);
    }
}

void august(Month &m)
{
    if (m.year() < 2016)
        return;
    const int day = m.year() == 2020 ? 10 : m.year() == 2021 ? 8 : 11;
    m.mark(day, names::mountainDay);
    m.substituteAfter(day);
}

// Respect-for-the-Aged Day runs before the equinox: the citizens' holiday
// between the two needs both in place.
void september(Month &m)
{
    if (m.year() >= 1966) {
        if (m.year() < 2003) {
            m.mark(15, names::respectForTheAgedDay);
            m.substituteAfter(15);
        } else {
            m.mark(Second_Monday(m.weekday(1)) + 7, names::respectForTheAgedDay);
        }
    }
    const std::int64_t e = equinoxDay(m.year(), autumnalEquinox);
    if (!m.holds(e))
        return;
    const int day = static_cast<int>(e);
    m.mark(day, names::autumnalEquinoxDay);
    const int we = m.weekday(day);
    if (we == 1 && m.year() >= 1973)
        m.mark(day + 1, names::substituteHoliday);
    // From 2003 a Wednesday equinox leaves the Tuesday between it and the
    // third Monday as a citizens' holiday.
    if (we == 4 && m.year() >= 2003)
        m.mark(day - 1, names::citizensHoliday);
}

void october(Month &m)
{
    if (m.year() < 1966)
        return;
    if (m.year() < 2000) {
        const int w = m.weekday(10);
        m.mark(10, names::healthAndSportsDay);
        if (w == 1 && m.year() >= 1973)
            m.mark(11, names::substituteHoliday);
    } else if (m.year() != 2020 && m.year() != 2021) {
        m.mark(Second_Monday(m.weekday(1)), m.year() >= 2020 ? names::sportsDay : names::healthAndSportsDay);
    }
    if (m.year() == 2019)
        m.mark(22, names::enthronementCeremony);
}

void november(Month &m)
{
    m.mark(3, names::cultureDay);
    m.substituteAfter(3);
    if (m.year() == 1990)
        m.mark(12, names::enthronementCeremony);
    m.mark(23, names::labourThanksgivingDay);
    m.substituteAfter(23);
}

// 23 December is the Emperor's birthday for the whole of the Heisei era.
void december(Month &m)
{
    if (m.year() < 1989 || m.year() > 2018)
        return;
    m.mark(23, names::emperorsBirthday);
    m.substituteAfter(23);
}

} // namespace

namespace calendar
{

void Cong_Day(int year, int month, int offset, HolidayMarks &grid)
{
    // The law on national holidays dates from July 1948.
    if (year <= 1947 || month < 1 || month > 12)
        return;
    Month m(year, month, offset, grid);
    using Rule = void (*)(Month &);
    static constexpr Rule rules[12]
        = { january, february, march, april, may, june, july, august, september, october, november, december };
    rules[month - 1](m);
}

} // namespace calendar
