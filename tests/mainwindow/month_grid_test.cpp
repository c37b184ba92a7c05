// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid as a value: which cell holds which day, the colours of the
// weekday columns, today's mark and the holiday names.
#include "calendar/holidays.h"
#include "mainwindow/month_grid.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace
{

using mainwindow::Cell;
using mainwindow::MonthGrid;
using mainwindow::Rgb;
namespace colours = mainwindow::colours;

// " 1" .. " 9", "10" .. "31", built apart from the code under test.
std::string twoColumns(int day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%2d", day);
    return text;
}

Rgb columnColour(int cell)
{
    const int column = (cell - 1) % 7 + 1;
    return column == 1 ? colours::Red : column == 7 ? colours::Blue : colours::Black;
}

struct MonthRow {
    const char *name;
    int offset;
    int days;
};

// Weekday of the first as the cell of day 1, read off a wall calendar.
constexpr MonthRow Months[] = {
    { "March 2014, 1st a Saturday", 7, 31 },
    { "February 2015, 1st a Sunday", 1, 28 },
    { "February 2016, leap year, 1st a Monday", 2, 29 },
    { "December 2014, 1st a Monday", 2, 31 },
    { "October 1582, before 1583", 8, 31 },
    { "February 1500, before 1583", 8, 29 },
};

TEST(MonthGrid, SetDayPutsEachDayInItsCellAndEmptiesTheRest)
{
    for (const MonthRow &row : Months) {
        SCOPED_TRACE(row.name);
        MonthGrid grid;
        grid.Set_Day(1, 31); // Something to overwrite.
        grid.Reset_Day();
        grid.Set_Day(row.offset, row.days);
        for (int cell = 1; cell <= MonthGrid::CellCount; ++cell) {
            SCOPED_TRACE(cell);
            const int day = cell - row.offset + 1;
            const std::string expected = day >= 1 && day <= row.days ? twoColumns(day) : std::string();
            EXPECT_EQ(grid.cell(cell).text, expected);
            EXPECT_EQ(grid.cell(cell).colour, columnColour(cell));
            EXPECT_FALSE(grid.cell(cell).underline);
            EXPECT_TRUE(grid.cell(cell).holiday.empty());
        }
    }
}

TEST(MonthGrid, SentinelOffsetLeavesTheFirstRowEmpty)
{
    MonthGrid grid;
    grid.Reset_Day();
    grid.Set_Day(8, 31);
    for (int cell = 1; cell <= 7; ++cell)
        EXPECT_EQ(grid.cell(cell).text, "");
    EXPECT_EQ(grid.cell(8).text, " 1");
    EXPECT_EQ(grid.cell(38).text, "31");
    EXPECT_EQ(grid.cell(39).text, "");
}

TEST(MonthGrid, ResetDayKeepsTextsAndClearsMarks)
{
    MonthGrid grid;
    grid.Set_Day(7, 31);
    for (int cell = 1; cell <= MonthGrid::CellCount; ++cell) {
        grid.Set_Bold(cell);
        grid.Set_Red(cell);
        grid.setHolidayName(cell, "x");
    }
    const MonthGrid marked = grid;
    grid.Reset_Day();
    for (int cell = 1; cell <= MonthGrid::CellCount; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(grid.cell(cell).text, marked.cell(cell).text);
        EXPECT_EQ(grid.cell(cell).colour, columnColour(cell));
        EXPECT_FALSE(grid.cell(cell).underline);
        EXPECT_EQ(grid.cell(cell).holiday, "");
    }
}

TEST(MonthGrid, SetDayLeavesColoursMarksAndNames)
{
    MonthGrid grid;
    grid.Reset_Day();
    grid.Set_Bold(10);
    grid.Set_Red(14);
    grid.setHolidayName(14, "name");
    grid.Set_Day(3, 30);
    EXPECT_TRUE(grid.cell(10).underline);
    EXPECT_EQ(grid.cell(14).colour, colours::Red);
    EXPECT_EQ(grid.cell(14).holiday, "name");
    EXPECT_EQ(grid.cell(9).colour, colours::Black);
}

TEST(MonthGrid, MarksTouchOnlyTheirCell)
{
    MonthGrid grid;
    grid.Reset_Day();
    grid.Set_Day(2, 31);
    const MonthGrid before = grid;

    grid.Set_Bold(9);
    grid.Set_Red(12);
    for (int cell = 1; cell <= MonthGrid::CellCount; ++cell) {
        SCOPED_TRACE(cell);
        Cell expected = before.cell(cell);
        if (cell == 9)
            expected.underline = true;
        if (cell == 12)
            expected.colour = colours::Red;
        EXPECT_EQ(grid.cell(cell), expected);
    }
    // Set_Bold underlines; it does not colour.
    EXPECT_EQ(grid.cell(9).colour, colours::Black);
}

TEST(MonthGrid, MarksOutsideTheGridAreIgnored)
{
    MonthGrid grid;
    grid.Reset_Day();
    grid.Set_Day(1, 31);
    const MonthGrid before = grid;
    for (int cell : { -1, 0, 43, 1000 }) {
        grid.Set_Bold(cell);
        grid.Set_Red(cell);
        grid.setHolidayName(cell, "x");
    }
    EXPECT_EQ(grid, before);
    EXPECT_EQ(grid.cell(0), Cell {});
    EXPECT_EQ(grid.cell(43), Cell {});
}

// The grid as the holiday rules leave it, after the month-showing steps.
MonthGrid shownMonth(int year, int month, int offset, int days)
{
    MonthGrid grid;
    grid.Reset_Day();
    grid.Set_Day(offset, days);
    calendar::Cong_Day(year, month, offset, grid);
    return grid;
}

TEST(MonthGrid, SaturdayHolidayIsRedWithItsName)
{
    // 23 November 2013, Labour Thanksgiving Day, was a Saturday; the 1st a Friday.
    const MonthGrid grid = shownMonth(2013, 11, 6, 30);
    EXPECT_EQ(grid.cell(28).text, "23");
    EXPECT_EQ(grid.cell(28).colour, colours::Red);
    EXPECT_EQ(grid.cell(28).holiday, "勤労感謝の日");
    // The Saturday before keeps its blue.
    EXPECT_EQ(grid.cell(21).colour, colours::Blue);
}

TEST(MonthGrid, SundayHolidayAndItsSubstituteAreNamed)
{
    // November 2014: the 1st a Saturday; the 23rd a Sunday, so the 24th is a substitute holiday.
    const MonthGrid grid = shownMonth(2014, 11, 7, 30);
    EXPECT_EQ(grid.cell(9).holiday, "文化の日");
    EXPECT_EQ(grid.cell(29).holiday, "勤労感謝の日");
    EXPECT_EQ(grid.cell(29).colour, colours::Red);
    EXPECT_EQ(grid.cell(30).holiday, "振替休日");
    EXPECT_EQ(grid.cell(30).colour, colours::Red);
    EXPECT_EQ(grid.cell(31).colour, colours::Black);
}

TEST(MonthGrid, EmptyWeekendCellsKeepTheirColour)
{
    // February 2015 fills rows 1 to 4 exactly; rows 5 and 6 are empty.
    const MonthGrid grid = shownMonth(2015, 2, 1, 28);
    for (int cell = 29; cell <= MonthGrid::CellCount; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(grid.cell(cell).text, "");
        EXPECT_EQ(grid.cell(cell).colour, columnColour(cell));
    }
}

} // namespace
