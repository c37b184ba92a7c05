// SPDX-License-Identifier: GPL-3.0-or-later
// The 128 x 128 tile picture, painted from the date, the mode, the colour and the holidays.
#pragma once

#include "mainwindow/month_grid.h"

#include <QColor>
#include <QDate>
#include <QImage>
#include <QPixmap>

namespace mainwindow
{

// What the tile shows.
struct TileContent {
    QDate today;
    int mode = 0; // 0 the month, 1 month, day and weekday, 2 the day, 3 the weekday; others nothing
    QColor background;
    // The month on view and its grid with the holidays marked, for mode 0.
    int viewYear = 0;
    int viewMonth = 0;
    const MonthGrid *month = nullptr;
    QPixmap badge; // drawn in the bottom-right corner
};

// Paints the tile: the background, the month view or today's text (red on a
// Sunday or holiday, blue on a Saturday), then the badge.
QImage paintTile(const TileContent &content);

} // namespace mainwindow
