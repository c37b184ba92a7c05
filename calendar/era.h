// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace calendar
{

// Returns the Japanese era year of a Gregorian year as UTF-8 text, e.g. "令和8年"
// for 2026; the first year of an era is written "元" ("平成元年"). The year of a
// change belongs to the new era. Years before 1868 give "年" alone.
std::string Nen(int year);

// Returns the era year in force on the first day of year-month, in the form
// Nen gives: "平成31年" for April 2019, "令和元年" for May 2019, "昭和64年" for
// January 1989. 明治 from January 1868; "年" alone before. month is 1..12.
std::string nenOfMonth(int year, int month);

} // namespace calendar
