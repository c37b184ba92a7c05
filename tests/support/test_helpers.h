// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the test files.
#pragma once

#include "mainwindow/month_grid.h"

#include <QByteArray>

#include <limits>

namespace testing_support
{

inline constexpr int IntMax = std::numeric_limits<int>::max();
inline constexpr int IntMin = std::numeric_limits<int>::min();

// How many cells of a grid are underlined (today's mark).
inline int underlinedCount(const mainwindow::MonthGrid &grid)
{
    int count = 0;
    for (int k = 1; k <= mainwindow::MonthGrid::CellCount; ++k)
        count += grid.cell(k).underline ? 1 : 0;
    return count;
}

// A settings file: large mode, the Dock option on in the day mode, at 44, 300.
inline const QByteArray DayModeTileOn("44\n300\n255\n250\n240\nFalse\n85\nTrue\n2\n");

} // namespace testing_support
