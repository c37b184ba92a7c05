// SPDX-License-Identifier: GPL-3.0-or-later
// Long runs of the real window: a century of midnights on the fake clock, with
// wandering, a clock that steps back a day, size changes and the tile; and trips
// to years two thousand million away and back. Meant for the sanitizer build,
// where any leak, overflow or bad access in these paths fails the test.
#include "calendar/calendar.h"
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QCoreApplication>

#include <string>

namespace
{

using mainwindow::MonthGrid;
using mainwindow::Window1;
using testing_support::WindowFixture;

// Today's month is on view with today, and only today, underlined; the labels
// show the grid; the title and the tile text show today.
::testing::AssertionResult showsToday(const Window1 &w, QDate today)
{
    if (w.viewYear() != today.year() || w.viewMonth() != today.month())
        return ::testing::AssertionFailure() << "on view " << w.viewYear() << "-" << w.viewMonth();
    if (w.YearTxt->text() != QString::number(today.year()) || w.TukTxt->text() != QString::number(today.month()))
        return ::testing::AssertionFailure()
            << "labels " << w.YearTxt->text().toStdString() << "-" << w.TukTxt->text().toStdString();
    int days = 0;
    int underlined = 0;
    for (int k = 1; k <= MonthGrid::CellCount; ++k) {
        const auto &cell = w.grid().cell(k);
        if (w.D[static_cast<std::size_t>(k)]->text().toStdString() != cell.text)
            return ::testing::AssertionFailure() << "label of cell " << k << " is not the grid's";
        days += cell.text.empty() ? 0 : 1;
        if (cell.underline) {
            ++underlined;
            if (cell.text != mainwindow::dayText(today.day()))
                return ::testing::AssertionFailure() << "underlined " << cell.text;
        }
    }
    if (days != today.daysInMonth())
        return ::testing::AssertionFailure() << days << " days shown";
    if (underlined != 1)
        return ::testing::AssertionFailure() << underlined << " cells underlined";
    if (w.DayTxt->text().toStdString() != mainwindow::dayText(today.day()))
        return ::testing::AssertionFailure() << "tile text " << w.DayTxt->text().toStdString();
    if (!w.windowTitle().startsWith(QStringLiteral("%1.%2.").arg(today.month()).arg(today.day())))
        return ::testing::AssertionFailure() << "title " << w.windowTitle().toStdString();
    return ::testing::AssertionSuccess();
}

using LongRun = WindowFixture;

TEST_F(LongRun, ACenturyOfMidnightsAlwaysEndsOnTodaysMonth)
{
    settings::Settings s;
    s.dock = true;
    s.mode = 0;
    writeSettings(s);
    clock.date = QDate(1999, 12, 31);
    Window1 &w = open();
    ASSERT_TRUE(w.store().dockShown());

    const QDate last(2099, 12, 31);
    int day = 0;
    int leapDays = 0;
    for (QDate today = clock.date.addDays(1); today <= last; today = today.addDays(1), ++day) {
        // Wander off during the day, as a user looking ahead or back would.
        if (day % 13 == 0)
            w.goToMonth(today.year() + day % 7 - 3, day % 12 + 1);
        // A decade in every three spent as the small tile.
        if (today.month() == 1 && today.day() == 1 && today.year() % 10 == 0) {
            if ((today.year() / 10) % 3 == 0)
                w.Small_Win();
            else if (w.Win_Small)
                w.Large_Win();
        }

        clock.date = today;
        const int tiles = dock.updates;
        w.Timer1_Action();
        ASSERT_TRUE(showsToday(w, today)) << today.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(dock.updates, tiles + 1) << today.toString(Qt::ISODate).toStdString();
        // A second tick on the same day changes nothing.
        w.Timer1_Action();
        ASSERT_EQ(dock.updates, tiles + 1);

        // Now and then the clock is set back a day, then put right.
        if (day % 97 == 50) {
            w.goToMonth(today.year() + 1, today.month());
            clock.date = today.addDays(-1);
            w.Timer1_Action();
            ASSERT_TRUE(showsToday(w, clock.date)) << "back to " << clock.date.toString(Qt::ISODate).toStdString();
            clock.date = today;
            w.Timer1_Action();
            ASSERT_TRUE(showsToday(w, today)) << "forward to " << today.toString(Qt::ISODate).toStdString();
        }

        if (today.month() == 2 && today.day() == 29)
            ++leapDays;
        if (day % 500 == 0)
            QCoreApplication::processEvents();
    }
    EXPECT_EQ(leapDays, 25); // 2000 was a leap year, 2100 is not in the run.
    EXPECT_EQ(w.windowTitle(), "12.31.木");
    EXPECT_TRUE(dock.lastToolTip.contains(QStringLiteral("2099")));
}

TEST_F(LongRun, YearsTwoThousandMillionAwayAndBack)
{
    Window1 &w = open();
    const auto firstCell = [&w] {
        for (int k = 1; k <= MonthGrid::CellCount; ++k)
            if (w.grid().cell(k).text == mainwindow::dayText(1))
                return k;
        return 0;
    };
    const auto clickCanvas = [this](mainwindow::Canvas *c) { click(c->geometry().center()); };

    for (const int year : { 2'000'000'000, -2'000'000'000 }) {
        SCOPED_TRACE(year);
        w.goToMonth(year, 6);
        // Eight months forward, across the year's end, then a year each way.
        int first = firstCell();
        int month = 6;
        int y = year;
        for (int step = 0; step < 8; ++step) {
            const int days = calendar::Month_Long(y, month);
            clickCanvas(w.Canvas4);
            if (++month == 13) {
                month = 1;
                ++y;
            }
            ASSERT_EQ(w.viewYear(), y);
            ASSERT_EQ(w.viewMonth(), month);
            // Each month starts on the weekday after the last day of the one before,
            // before 1583 too.
            const int expected = (first - 1 + days) % 7 + 1;
            EXPECT_EQ(firstCell(), expected) << y << "-" << month;
            first = firstCell();
        }
        clickCanvas(w.Canvas5);
        clickCanvas(w.Canvas1);
        EXPECT_EQ(w.viewYear(), y);
        for (int step = 0; step < 8; ++step)
            clickCanvas(w.Canvas2);
        EXPECT_EQ(w.viewYear(), year);
        EXPECT_EQ(w.viewMonth(), 6);
        EXPECT_FALSE(w.NenTxt->text().isEmpty());

        // The current-month button brings today back.
        clickCanvas(w.Canvas3);
        EXPECT_TRUE(showsToday(w, clock.date));
    }
}

} // namespace
