// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace calendar
{

// What the holiday rules write to: the 42 cells of a month grid, numbered
// 1..42 row by row with column 1 = Sunday.
class HolidayMarks
{
public:
    virtual ~HolidayMarks() = default;
    // Paints the cell red.
    virtual void Set_Red(int cell) = 0;
    // Sets the cell's holiday name (its tooltip), replacing any earlier one.
    virtual void setHolidayName(int cell, std::string_view name) = 0;
};

// Marks the Japanese national holidays of year-month on the grid: each
// holiday's cell is painted red and given the holiday's name. offset is the
// cell of day 1, Get_Week(year, month, 1). Marks nothing before 1948, and never
// a cell outside 1..42.
void Cong_Day(int year, int month, int offset, HolidayMarks &grid);

} // namespace calendar
