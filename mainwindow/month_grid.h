// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid as a value: 42 day cells with their texts, colours, today's mark and holiday names.
#pragma once

#include "calendar/holidays.h"

#include <array>
#include <string>
#include <string_view>

namespace mainwindow
{

struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb &) const = default;
};

namespace colours
{
    inline constexpr Rgb Black { 0, 0, 0 };
    inline constexpr Rgb Red { 255, 0, 0 };
    inline constexpr Rgb Blue { 0, 0, 255 };
    inline constexpr Rgb MonthGreen { 0, 128, 0 };
} // namespace colours

// What one day cell shows.
struct Cell {
    std::string text; // " 1" .. " 9", "10" .. "31", or empty outside the month
    Rgb colour = colours::Black; // red Sundays and holidays, blue Saturdays
    bool underline = false; // today, while today's month is on view
    std::string holiday; // the holiday's name, shown as the cell's tooltip
    bool operator==(const Cell &) const = default;
};

// The month grid as a value: six weeks of seven cells, numbered 1..42 row by
// row, column 1 = Sunday. Day d of a month with offset Get_Week(year, month, 1)
// lies in cell d + offset - 1.
class MonthGrid final : public calendar::HolidayMarks
{
public:
    static constexpr int CellCount = 42;

    // Cell 1..42.
    const Cell &cell(int index) const;

    // Every cell: no underline, no holiday name, black; then the Sunday column
    // red and the Saturday column blue. Texts are left as they are.
    void Reset_Day();
    // Empty texts before and after the month, day numbers in between. Colours,
    // underlines and names are left as they are.
    void Set_Day(int offset, int days);
    // Underlines the cell (today's mark).
    void Set_Bold(int cell);
    void Set_Red(int cell) override;
    void setHolidayName(int cell, std::string_view name) override;

    // Equal when every cell is; the holiday interface has no state to compare.
    bool operator==(const MonthGrid &other) const;

private:
    static bool inGrid(int cell);

    std::array<Cell, CellCount + 1> m_cells {}; // [0] unused, so that indices match cell numbers
};

// The text of day k in the grid: one leading space below 10.
std::string dayText(int day);

} // namespace mainwindow
