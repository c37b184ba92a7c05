// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Weekday and month arithmetic on the Gregorian calendar. Weekdays are numbered
// 1 = Sunday .. 7 = Saturday everywhere in Lumo; the number is also the column of
// that weekday in the month grid.
namespace calendar
{

// Returns the weekday of year-month-day, 1 = Sunday .. 7 = Saturday, or 8 for a
// year before 1583 (8 is not a weekday). Valid for every int year after 1582.
int Get_Week(int year, int month, int day);

// Returns the weekday of year-month-day on the proleptic Gregorian calendar,
// 1 = Sunday .. 7 = Saturday, for every int year: astronomical numbering, so
// year 0 is 1 BC and -1 is 2 BC. The month grid uses it for years before 1583.
int prolepticWeekday(int year, int month, int day);

// Returns the number of days of the month (28 to 31). Months outside 1..12 give
// 30 and are never passed by Lumo.
int Month_Long(int year, int month);

// Given the weekday of the 1st of a month (1..7), returns the day of the month of
// its second Monday (8..14); 0 for any other argument.
int Second_Monday(int firstWeekday);

} // namespace calendar
