// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/era.h"

#include "calendar/era_names.h"

#include <cstdint>
#include <iterator>
#include <string>

namespace calendar
{

namespace
{

    struct Era {
        int year, month, day; // the first day of the era
        const char *name;
    };

    // Latest first. 明治 is counted from the start of 1868.
    constexpr Era eras[] = {
        { 2019, 5, 1, era_names::reiwa },
        { 1989, 1, 8, era_names::heisei },
        { 1926, 12, 25, era_names::showa },
        { 1912, 7, 30, era_names::taisho },
        { 1868, 1, 1, era_names::meiji },
    };

    std::string eraYear(const Era *era, int year)
    {
        if (era == std::end(eras))
            return era_names::year;
        const std::int64_t number = std::int64_t { year } - era->year + 1;
        return era->name + (number == 1 ? std::string(era_names::firstYear) : std::to_string(number)) + era_names::year;
    }

} // namespace

std::string Nen(int year)
{
    const Era *era = std::begin(eras);
    while (era != std::end(eras) && era->year > year)
        ++era;
    return eraYear(era, year);
}

std::string nenOfMonth(int year, int month)
{
    // The first day of the month, year-month-1, against each era's first day.
    const Era *era = std::begin(eras);
    const auto startsLater = [&](const Era &e) {
        return e.year > year || (e.year == year && (e.month > month || (e.month == month && e.day > 1)));
    };
    while (era != std::end(eras) && startsLater(*era))
        ++era;
    return eraYear(era, year);
}

} // namespace calendar
