// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid as a value.
#include "mainwindow/month_grid.h"

namespace mainwindow
{

bool MonthGrid::inGrid(int cell)
{
    return cell >= 1 && cell <= CellCount;
}

const Cell &MonthGrid::cell(int index) const
{
    return m_cells[inGrid(index) ? static_cast<std::size_t>(index) : 0];
}

void MonthGrid::Reset_Day()
{
    for (int i = 1; i <= CellCount; ++i) {
        Cell &c = m_cells[static_cast<std::size_t>(i)];
        c.underline = false;
        c.holiday.clear();
        c.colour = colours::Black;
    }
    for (int i = 1; i <= CellCount; i += 7)
        m_cells[static_cast<std::size_t>(i)].colour = colours::Red;
    for (int i = 7; i <= CellCount; i += 7)
        m_cells[static_cast<std::size_t>(i)].colour = colours::Blue;
}

void MonthGrid::Set_Day(int offset, int days)
{
    for (int i = 1; i <= CellCount; ++i) {
        const long long day = static_cast<long long>(i) - offset + 1;
        m_cells[static_cast<std::size_t>(i)].text
            = day >= 1 && day <= days ? dayText(static_cast<int>(day)) : std::string();
    }
}

void MonthGrid::Set_Bold(int cell)
{
    if (inGrid(cell))
        m_cells[static_cast<std::size_t>(cell)].underline = true;
}

void MonthGrid::Set_Red(int cell)
{
    if (inGrid(cell))
        m_cells[static_cast<std::size_t>(cell)].colour = colours::Red;
}

void MonthGrid::setHolidayName(int cell, std::string_view name)
{
    if (inGrid(cell))
        m_cells[static_cast<std::size_t>(cell)].holiday = name;
}

bool MonthGrid::operator==(const MonthGrid &other) const
{
    return m_cells == other.m_cells;
}

std::string dayText(int day)
{
    std::string text = std::to_string(day);
    if (day < 10)
        text.insert(text.begin(), ' ');
    return text;
}

} // namespace mainwindow
