// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window: opening with and without saved settings, the day
// rollover, the small tile, the corner buttons, tooltips, pictures and the
// commands that save and quit.
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QRadioButton>
#include <QSlider>
#include <QStyleHints>
#include <QToolTip>

#include <algorithm>
#include <functional>
#include <set>

namespace
{

using mainwindow::Canvas;
using mainwindow::Window1;
using testing_support::WindowFixture;

settings::Settings savedAt(int left, int top)
{
    settings::Settings s;
    s.left = left;
    s.top = top;
    s.red = 255;
    s.green = 255;
    s.blue = 255;
    s.trans = 100;
    return s;
}

// The labels show the grid model, cell by cell.
void expectLabelsShowGrid(const Window1 &w)
{
    for (int k = 1; k <= mainwindow::MonthGrid::CellCount; ++k) {
        SCOPED_TRACE(k);
        const mainwindow::Cell &cell = w.grid().cell(k);
        const mainwindow::StaticText *label = w.D[static_cast<std::size_t>(k)];
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromStdString(cell.text));
        EXPECT_EQ(label->textColor(), QColor(cell.colour.red, cell.colour.green, cell.colour.blue));
        EXPECT_EQ(label->underline(), cell.underline);
        EXPECT_EQ(label->toolTip(), QString::fromStdString(cell.holiday));
    }
}

// The cells underlined, in order.
std::vector<int> underlinedCells(const Window1 &w)
{
    std::vector<int> cells;
    for (int k = 1; k <= mainwindow::MonthGrid::CellCount; ++k) {
        if (w.grid().cell(k).underline)
            cells.push_back(k);
    }
    return cells;
}

using Opening = WindowFixture;

TEST_F(Opening, WithoutSettingsFileUsesTheDefaults)
{
    Window1 &w = open();
    EXPECT_EQ(w.size(), QSize(102, 114));
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(My_Col(w), QColor(Qt::white));
    EXPECT_EQ(w.store().Trans(), 100);
    EXPECT_EQ(w.settingsArea().TransText->text(), "100");
    EXPECT_EQ(w.settingsArea().Slider1->value(), 100);
    EXPECT_FALSE(w.Win_Small);
    EXPECT_FALSE(w.DayTxt->isVisible());
    EXPECT_FALSE(w.settingsArea().CheckBox1->isChecked());
    EXPECT_TRUE(w.settingsArea().RadioButton1[0]->isChecked());
    EXPECT_FALSE(w.settingsArea().RadioButton1[0]->isEnabled());
    EXPECT_EQ(w.store().MyDock(), 0);
    EXPECT_EQ(dock.updates, 0);
    EXPECT_FALSE(w.Canvas6->isVisible());
    EXPECT_FALSE(w.Canvas7->isVisible());
    EXPECT_EQ(w.windowTitle(), "12.8.月");
    EXPECT_EQ((std::tuple { w.Start_Year, w.Start_Month, w.Start_Day }), (std::tuple { 2014, 12, 8 }));
    EXPECT_EQ(w.YearTxt->text(), "2014");
    EXPECT_EQ(w.TukTxt->text(), "12");
    EXPECT_EQ(w.NenTxt->text(), "平成26年");
    EXPECT_EQ(w.TukTxt->textColor(), QColor(0, 128, 0));
    // 1 December 2014 was a Monday: the 8th is in cell 9, the only one underlined.
    EXPECT_EQ(underlinedCells(w), std::vector<int> { 9 });
    expectLabelsShowGrid(w);
}

TEST_F(Opening, SavedPositionIsAppliedAndKeptOnScreen)
{
    // clang-format off
    const struct {
        const char *name;
        int left, top;
        QPoint opened;
    } rows[] = {
        {"on screen", 300, 200, {300, 200}},
        {"top above the screen", 300, -20, {300, 5}},
        {"left past every screen", 3500, 200, {0, 200}},
        {"top equal to the height", 300, 900, {300, 786}},
        {"on a second screen", 2000, 500, {2000, 500}},
    };
    // clang-format on
    screens.more = { QRect(1440, 0, 1920, 1080) };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeSettings(savedAt(row.left, row.top));
        // Not shown: the offscreen platform keeps its own frame on the screen.
        Window1 &w = open(false);
        EXPECT_EQ(w.geometry().topLeft(), row.opened);
        EXPECT_EQ(w.size(), QSize(102, 114));
        EXPECT_EQ(QPoint(w.Win_Left, w.Win_Top), row.opened);
    }
}

TEST_F(Opening, FirstExposureBringsTheFrameOnScreen)
{
    // In the lower right corner without its frame, which is known only once the window is shown.
    writeSettings(savedAt(1440 - 102, 900 - 114));
    Window1 &w = open();
    EXPECT_TRUE(QRect(0, 0, 1440, 900).contains(w.frameGeometry()))
        << w.frameGeometry().x() << "," << w.frameGeometry().y();
}

TEST_F(Opening, EmptyFileAndTransparencyZero)
{
    // An empty file reads as all zeros: top left corner, black shown white, transparency unset.
    writeFile("");
    Window1 &w = open(false);
    EXPECT_EQ(w.geometry(), QRect(0, 0, 102, 114));
    EXPECT_TRUE(w.testAttribute(Qt::WA_Moved)) << "placed there, not left to the desktop";
    EXPECT_EQ(My_Col(w), QColor(Qt::white));
    EXPECT_FALSE(w.Win_Small);
    EXPECT_FALSE(w.settingsArea().CheckBox1->isChecked());
    EXPECT_EQ(checkedMode(w.settingsArea()), 0);
    EXPECT_EQ(w.store().MyDock(), 0);
    for (const QByteArray &text : { QByteArray(""), QByteArray("44\n300\n0\n0\n255\nFalse\n0\nTrue\n2\n") }) {
        SCOPED_TRACE(text.toStdString());
        writeFile(text);
        Window1 &v = open(false);
        EXPECT_EQ(v.store().Trans(), 100);
        EXPECT_EQ(v.settingsArea().Slider1->value(), 100);
        EXPECT_EQ(v.settingsArea().TransText->text(), "100");
        EXPECT_DOUBLE_EQ(v.windowOpacity(), 1.0);
    }
}

TEST_F(Opening, BackgroundColourOfTheFile)
{
    // clang-format off
    const struct {
        int red, green, blue;
        QColor shown;
    } rows[] = {
        {0, 0, 0, QColor(255, 255, 255)},
        {0, 0, 1, QColor(0, 0, 1)},
        {200, 220, 255, QColor(200, 220, 255)},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.shown.name().toStdString());
        settings::Settings s = savedAt(100, 100);
        s.red = row.red;
        s.green = row.green;
        s.blue = row.blue;
        writeSettings(s);
        Window1 &w = open();
        EXPECT_EQ(w.palette().color(QPalette::Window), row.shown);
        EXPECT_EQ(My_Col(w), row.shown);
    }
}

TEST_F(Opening, SmallModeIsRestoredAnchoredToItsSide)
{
    settings::Settings s = savedAt(1300, 700);
    s.small = true;
    writeSettings(s);
    Window1 &w = open();
    EXPECT_TRUE(w.Win_Small);
    EXPECT_EQ(w.geometry(), QRect(1383, 800, 19, 14));
    EXPECT_FALSE(w.Canvas1->isEnabled());
    EXPECT_EQ(w.Canvas1->backdrop().cacheKey(), w.pictures().Blank().cacheKey());
    EXPECT_TRUE(w.DayTxt->isVisible());
    EXPECT_EQ(w.DayTxt->text(), " 8");
}

TEST_F(Opening, DayTxtCopiesTodaysCell)
{
    // clang-format off
    const struct {
        QDate today;
        int cell;
        const char *text;
        QColor colour;
    } rows[] = {
        {QDate(2015, 3, 8), 8, " 8", QColor(255, 0, 0)},   // a Sunday; the 1st a Sunday
        {QDate(2015, 3, 7), 7, " 7", QColor(0, 0, 255)},   // a Saturday
        {QDate(2015, 3, 10), 10, "10", QColor(0, 0, 0)},
        {QDate(2015, 3, 21), 21, "21", QColor(255, 0, 0)}, // the spring equinox, a Saturday
        {QDate(2014, 12, 31), 32, "31", QColor(0, 0, 0)},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.today.toString(Qt::ISODate).toStdString());
        clock.date = row.today;
        Window1 &w = open();
        EXPECT_EQ(underlinedCells(w), std::vector<int> { row.cell });
        EXPECT_EQ(w.DayTxt->text(), row.text);
        EXPECT_EQ(w.DayTxt->textColor(), row.colour);
    }
}

TEST_F(Opening, WeekdayHeadersAndLabelsShareTheCellsType)
{
    Window1 &w = open();
    const int cellSize = w.D[1]->font().pixelSize();
    const char *const weekdays[] = { "日", "月", "火", "水", "木", "金", "土" };
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const auto labels = w.findChildren<mainwindow::StaticText *>();
        const auto header = std::find_if(labels.begin(), labels.end(),
            [&](const mainwindow::StaticText *l) { return l->text() == QString::fromUtf8(weekdays[i]); });
        ASSERT_NE(header, labels.end());
        EXPECT_EQ((*header)->textColor(), i == 0 ? QColor(255, 0, 0) : i == 6 ? QColor(0, 0, 255) : QColor(0, 0, 0));
        EXPECT_EQ((*header)->font().pixelSize(), cellSize);
    }
    for (const mainwindow::StaticText *label : { w.DayTxt, w.YearTxt, w.NenTxt })
        EXPECT_EQ(label->font().pixelSize(), cellSize) << label->text().toStdString();
    EXPECT_GT(w.TukTxt->font().pixelSize(), cellSize);
}

TEST_F(Opening, DockOptionDrawsTheTileOnce)
{
    settings::Settings s = savedAt(100, 100);
    s.dock = true;
    s.mode = 2;
    writeSettings(s);
    Window1 &w = open();
    EXPECT_TRUE(w.settingsArea().CheckBox1->isChecked());
    EXPECT_TRUE(w.settingsArea().RadioButton1[2]->isChecked());
    EXPECT_TRUE(w.settingsArea().RadioButton1[2]->isEnabled());
    EXPECT_EQ(w.store().MyDock(), 2);
    EXPECT_EQ(dock.updates, 1);
}

using Midnight = WindowFixture;

TEST_F(Midnight, NewDayBringsBackTheCurrentMonthWithinOneTick)
{
    // clang-format off
    const struct {
        const char *name;
        QDate before, after;
        const char *title;
        const char *year, *month;
        int todayCell;
    } rows[] = {
        {"year end", QDate(2014, 12, 31), QDate(2015, 1, 1), "1.1.木", "2015", "1", 5},
        {"month end", QDate(2014, 11, 30), QDate(2014, 12, 1), "12.1.月", "2014", "12", 2},
        {"year end backwards", QDate(2015, 1, 1), QDate(2014, 12, 31), "12.31.水", "2014", "12", 32},
        {"month end backwards", QDate(2014, 12, 1), QDate(2014, 11, 30), "11.30.日", "2014", "11", 36},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        clock.date = row.before;
        Window1 &w = open();
        // Navigate away: two months back.
        w.Canvas2_MouseUp(0, 0);
        w.Canvas2_MouseUp(0, 0);
        ASSERT_TRUE(underlinedCells(w).empty());

        clock.date = row.after;
        w.Timer1_Action();
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8(row.title));
        EXPECT_EQ(w.YearTxt->text(), row.year);
        EXPECT_EQ(w.TukTxt->text(), row.month);
        EXPECT_EQ(w.TukTxt->textColor(), QColor(0, 128, 0));
        EXPECT_EQ((std::tuple { w.Start_Year, w.Start_Month, w.Start_Day }),
            (std::tuple { row.after.year(), row.after.month(), row.after.day() }));
        EXPECT_EQ(underlinedCells(w), std::vector<int> { row.todayCell });
        expectLabelsShowGrid(w);
    }
}

TEST_F(Midnight, TicksWhenTheClockSaysAndWhenItIsSet)
{
    clock.recheckMs = 10;
    Window1 &w = open(false);
    for (int i = 0; i < 2; ++i) {
        clock.date = clock.date.addDays(1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.Start_Day == clock.date.day(); }, 2000)) << "tick " << i;
    }
    clock.recheckMs = 1'000'000;
    w.Timer1_Action();
    clock.date = clock.date.addDays(1);
    ASSERT_TRUE(clock.clockSet);
    clock.clockSet();
    EXPECT_EQ(w.Start_Day, clock.date.day());
}

TEST_F(Midnight, TitleNamesEachWeekday)
{
    clock.date = QDate(2014, 12, 7);
    Window1 &w = open(false);
    const char *const titles[] = { "12.7.日", "12.8.月", "12.9.火", "12.10.水", "12.11.木", "12.12.金", "12.13.土" };
    for (const char *title : titles) {
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8(title));
        clock.date = clock.date.addDays(1);
        w.Timer1_Action();
    }
}

TEST_F(Midnight, GridIsTheSameAsAtAFreshOpening)
{
    clock.date = QDate(2014, 12, 31);
    Window1 &w = open();
    clock.date = QDate(2015, 1, 1);
    w.Timer1_Action();
    const mainwindow::MonthGrid rolledOver = w.grid();
    const QString nen = w.NenTxt->text();

    open();
    EXPECT_TRUE(window->grid() == rolledOver);
    EXPECT_EQ(window->NenTxt->text(), nen);
    EXPECT_EQ(window->grid().cell(5).holiday, "元旦");
}

TEST_F(Midnight, AnyNewDateMovesTodayAndComposesTheTileOnce)
{
    // clang-format off
    const struct {
        const char *name;
        QDate before, after;
        const char *title;
        int todayCell;
    } rows[] = {
        {"resumed a month later", QDate(2014, 11, 8), QDate(2014, 12, 8), "12.8.月", 9},
        {"clock set a month back", QDate(2014, 12, 8), QDate(2014, 11, 8), "11.8.土", 14},
        {"clock set a year back", QDate(2015, 12, 8), QDate(2014, 12, 8), "12.8.月", 9},
        {"midnight", QDate(2014, 12, 31), QDate(2015, 1, 1), "1.1.木", 5},
    };
    // clang-format on
    settings::Settings s = savedAt(100, 100);
    s.dock = true;
    writeSettings(s);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        clock.date = row.before;
        dock = testing_support::FakeDockTile();
        Window1 &w = open();
        // Two years back, away from every month of the table.
        w.Canvas1_MouseUp(0, 0);
        w.Canvas1_MouseUp(0, 0);
        w.Timer1_Action();
        ASSERT_EQ(dock.updates, 1);

        clock.date = row.after;
        w.Timer1_Action();
        w.Timer1_Action();
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8(row.title));
        EXPECT_EQ((std::tuple { w.viewYear(), w.viewMonth() }), (std::tuple { row.after.year(), row.after.month() }));
        EXPECT_EQ((std::tuple { w.Start_Year, w.Start_Month, w.Start_Day }),
            (std::tuple { row.after.year(), row.after.month(), row.after.day() }));
        EXPECT_EQ(underlinedCells(w), std::vector<int> { row.todayCell });
        EXPECT_EQ(dock.updates, 2);
    }
}

TEST_F(Midnight, SmallTileFollowsTheNewDay)
{
    clock.date = QDate(2014, 12, 31);
    settings::Settings s = savedAt(100, 100);
    s.small = true;
    writeSettings(s);
    Window1 &w = open();
    ASSERT_EQ(w.DayTxt->text(), "31");
    EXPECT_EQ(w.DayTxt->textColor(), QColor(0, 0, 0));

    clock.date = QDate(2015, 1, 1);
    w.Timer1_Action();
    EXPECT_EQ(w.DayTxt->text(), " 1");
    EXPECT_EQ(w.DayTxt->textColor(), QColor(255, 0, 0)); // New Year's Day
    EXPECT_TRUE(w.DayTxt->isVisible());
    EXPECT_EQ(w.size(), QSize(19, 14));
}

TEST_F(Midnight, ShrinkingAfterMidnightShowsTheNewDay)
{
    clock.date = QDate(2014, 12, 31);
    Window1 &w = open();
    clock.date = QDate(2015, 1, 1);
    w.Timer1_Action();
    w.Canvas6_MouseUp(0, 0);
    EXPECT_EQ(w.DayTxt->text(), " 1");
}

using SmallMode = WindowFixture;

TEST_F(SmallMode, ShrinkButtonMakesTheTileOnItsSide)
{
    // clang-format off
    const struct {
        const char *name;
        int left, top;
        QRect tile;
    } rows[] = {
        {"upper left", 100, 100, {100, 100, 19, 14}},
        {"lower right", 1300, 700, {1383, 800, 19, 14}},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeSettings(savedAt(row.left, row.top));
        Window1 &w = open();
        move({ 95, 107 });
        ASSERT_TRUE(w.Canvas6->isVisible());
        press({ 95, 107 });
        EXPECT_EQ(w.Canvas6->backdrop().cacheKey(), w.pictures().smal2().cacheKey());
        release({ 95, 107 });
        EXPECT_EQ(w.geometry(), row.tile);
        EXPECT_TRUE(w.Win_Small);
        EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(w.DayTxt->isVisible());
        EXPECT_EQ(w.DayTxt->text(), " 8");
        EXPECT_TRUE(w.Canvas1->isEnabled());
        EXPECT_EQ(w.Canvas1->backdrop().cacheKey(), w.pictures().Blank().cacheKey());
        EXPECT_EQ(w.Canvas6->backdrop().cacheKey(), w.pictures().smal().cacheKey());
    }
}

TEST_F(SmallMode, PressAnywhereOnTheTileRestoresTheCalendar)
{
    // clang-format off
    const struct {
        const char *name;
        bool openedSmall; // else shrunk with the button
        QPoint at;        // on Canvas1 alone, or on DayTxt over it
    } rows[] = {
        {"opened small, on the disabled Canvas1", true, {1, 7}},
        {"opened small, on the day", true, {10, 6}},
        {"shrunk, on Canvas1, which declines", false, {1, 7}},
        {"shrunk, on the day", false, {10, 6}},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        settings::Settings s = savedAt(1300, 700);
        s.small = row.openedSmall;
        writeSettings(s);
        Window1 &w = open();
        if (!row.openedSmall)
            w.Canvas6_MouseUp(0, 0);
        ASSERT_EQ(w.geometry(), QRect(1383, 800, 19, 14));
        ASSERT_EQ(w.childAt(row.at), row.at.x() < 3 ? static_cast<QWidget *>(w.Canvas1) : w.DayTxt);

        click(row.at);
        EXPECT_FALSE(w.Win_Small);
        EXPECT_FALSE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(w.geometry(), QRect(1300, 700, 102, 114));
        EXPECT_TRUE(w.Canvas1->isEnabled());
        EXPECT_EQ(w.Canvas1->backdrop().cacheKey(), w.pictures().BakYea().cacheKey());
        EXPECT_FALSE(w.DayTxt->isVisible());
        // The press did not step the year.
        EXPECT_EQ(w.YearTxt->text(), "2014");
        EXPECT_EQ(w.TukTxt->text(), "12");
    }
}

TEST_F(SmallMode, TheRestOfADoubleClickOnTheTileIsSwallowed)
{
    // QTest puts more than the interval between a release and the next press.
    ASSERT_LT(QGuiApplication::styleHints()->mouseDoubleClickInterval(), QTest::mouseDoubleClickInterval);
    const QPoint onTile(10, 6); // then on « of the calendar
    const struct {
        const char *name;
        std::function<void(QWindow *)> clicks;
        const char *year;
    } rows[] = {
        { "a double click", [&](QWindow *w) { QTest::mouseDClick(w, Qt::LeftButton, {}, onTile); }, "2014" },
        { "two clicks apart",
            [&](QWindow *w) {
                QTest::mouseClick(w, Qt::LeftButton, {}, onTile);
                QTest::mouseClick(w, Qt::LeftButton, {}, onTile);
            },
            "2013" },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeSettings(savedAt(300, 200));
        Window1 &w = open();
        w.Canvas6_MouseUp(0, 0);
        row.clicks(w.windowHandle());
        EXPECT_FALSE(w.Win_Small);
        EXPECT_EQ(w.YearTxt->text(), row.year);
    }
}

TEST_F(SmallMode, KeysAndWheelDoNotNavigate)
{
    Window1 &w = open();
    w.Canvas6_MouseUp(0, 0);
    QTest::keyClick(&w, Qt::Key_Right);
    QWheelEvent wheel(QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), {}, { 0, 120 }, Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &wheel);
    EXPECT_EQ(w.TukTxt->text(), "12");
    EXPECT_EQ(w.size(), QSize(19, 14));
}

using CornerButtons = WindowFixture;

TEST_F(CornerButtons, ShowPastTheCornerAndHideOnLeaving)
{
    Window1 &w = open();
    // The points lie over day cells: the moves reach the window through them.
    ASSERT_EQ(w.childAt(71, 101), w.D[40]);
    ASSERT_EQ(w.childAt(70, 101), w.D[40]);
    move({ 70, 101 });
    EXPECT_FALSE(w.Canvas6->isVisible());
    move({ 71, 100 });
    EXPECT_FALSE(w.Canvas7->isVisible());
    move({ 71, 101 });
    EXPECT_TRUE(w.Canvas6->isVisible());
    EXPECT_TRUE(w.Canvas7->isVisible());
    // Once shown they stay while the pointer is in the window.
    move({ 10, 50 });
    EXPECT_TRUE(w.Canvas6->isVisible());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&w, &leave);
    EXPECT_FALSE(w.Canvas6->isVisible());
    EXPECT_FALSE(w.Canvas7->isVisible());
}

TEST_F(CornerButtons, ShownButtonsLieOverTheSixthRow)
{
    Window1 &w = open();
    move({ 80, 106 });
    EXPECT_EQ(w.childAt(80, 106), w.Canvas7);
    EXPECT_EQ(w.childAt(95, 106), w.Canvas6);
    EXPECT_EQ(w.Canvas6->toolTip(), "縮小");
    EXPECT_EQ(w.Canvas7->toolTip(), "設定");
    // Hovering changes no picture.
    EXPECT_EQ(w.Canvas6->backdrop().cacheKey(), w.pictures().smal().cacheKey());
    EXPECT_EQ(w.Canvas7->backdrop().cacheKey(), w.pictures().Set().cacheKey());
}

using Tooltips = WindowFixture;

TEST_F(Tooltips, EveryPointOfTheGridBelongsToTheCellOfItsPitch)
{
    Window1 &w = open();
    // Below the sixth row the cells' overhang takes no pointer.
    for (int y = 40; y < w.height(); ++y) {
        for (int x = 4; x < 4 + 7 * 14 && x < w.width(); ++x) {
            const int cell = (y - 40) / 12 * 7 + (x - 4) / 14 + 1;
            const QWidget *expected = cell <= 42 ? w.D[static_cast<std::size_t>(cell)] : nullptr;
            ASSERT_EQ(w.childAt(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(Tooltips, HolidayNameUnderTheDigits)
{
    Window1 &w = open();
    w.Canvas2_MouseUp(0, 0); // November 2014
    // clang-format off
    const struct {
        int cell;
        const char *text;
        const char *name;
    } rows[] = {
        {9, " 3", "文化の日"},
        {29, "23", "勤労感謝の日"},
        {30, "24", "振替休日"},
        {31, "25", ""},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.cell);
        const mainwindow::StaticText *cell = w.D[static_cast<std::size_t>(row.cell)];
        ASSERT_EQ(cell->text(), row.text);
        // The lower right of the digits' ink, in the window.
        const QFontMetrics metrics(cell->font());
        const QRect ink = metrics.tightBoundingRect(cell->text()).translated(0, metrics.ascent());
        const QPoint lowerRight = cell->geometry().topLeft() + ink.bottomRight();
        EXPECT_EQ(w.childAt(lowerRight), cell) << "at " << lowerRight.x() << "," << lowerRight.y();
        EXPECT_EQ(w.childAt(lowerRight)->toolTip(), QString::fromUtf8(row.name));
    }
}

TEST_F(Tooltips, ShowOnAnInactiveWindow)
{
    Window1 &w = open();
    w.Canvas2_MouseUp(0, 0); // November 2014
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_FALSE(w.isActiveWindow());
    const QPoint atDigits = w.D[29]->geometry().topLeft() + QPoint(4, 5);
    move(atDigits + QPoint(1, 0));
    move(atDigits);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(QToolTip::text(), "勤労感謝の日");
    QToolTip::hideText();
}

using Pictures = WindowFixture;

TEST_F(Pictures, EachIsReadOnceAtMost)
{
    Window1 &w = open();
    for (int i = 0; i < 3; ++i) {
        for (Canvas *c : { w.Canvas1, w.Canvas2, w.Canvas3, w.Canvas4, w.Canvas5 })
            click(c->geometry().center());
    }
    w.Canvas6_MouseUp(0, 0);
    click({ 10, 6 });
    w.Canvas6_MouseUp(0, 0);
    click({ 10, 6 });
    std::vector<int> reads = pictures.reads;
    std::sort(reads.begin(), reads.end());
    EXPECT_EQ(std::adjacent_find(reads.begin(), reads.end()), reads.end());
    EXPECT_EQ(std::count(reads.begin(), reads.end(), 173), 0);
}

TEST_F(Pictures, MissingPicturesLeaveEmptyButtons)
{
    pictures.missing = { 168, 170, 171, 172, 182 };
    Window1 &w = open();
    EXPECT_TRUE(w.Canvas1->backdrop().isNull());
    EXPECT_TRUE(w.Canvas2->backdrop().isNull());
    EXPECT_FALSE(w.Canvas4->backdrop().isNull());
    click(w.Canvas1->geometry().center());
    EXPECT_EQ(w.YearTxt->text(), "2013");
    w.Canvas6_MouseUp(0, 0);
    EXPECT_TRUE(w.Canvas1->backdrop().isNull());
    EXPECT_EQ(w.size(), QSize(19, 14));
    w.grab(); // Paints every button, pictures or none.
    click({ 10, 6 });
    EXPECT_EQ(w.size(), QSize(102, 114));
}

TEST_F(Opening, ButtonsAndDayCellsHaveAccessibleNames)
{
    Window1 &w = open();
    // A screen reader starting after the opening finds the month on view named.
    QAccessible::setActive(true);
    const auto name = [](QObject *object) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
        return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("(none)");
    };
    const auto expectNames = [&](const std::vector<std::pair<QObject *, const char *>> &rows) {
        for (const auto &[object, expected] : rows) {
            SCOPED_TRACE(expected);
            EXPECT_EQ(name(object), QString::fromUtf8(expected));
        }
    };
    // December 2014 starts on a Monday, in cell 2.
    expectNames({ { w.Canvas1, "前の年" }, { w.Canvas2, "前の月" }, { w.Canvas3, "今月" }, { w.Canvas4, "次の月" },
        { w.Canvas5, "次の年" }, { w.Canvas6, "小さく表示" }, { w.Canvas7, "設定" }, { w.D[1], "" },
        { w.D[2], "2014年12月1日(月)" }, { w.D[9], "2014年12月8日(月) 今日" },
        { w.D[24], "2014年12月23日(火) 天皇誕生日" }, { w.D[33], "" }, { w.settingsArea().Slider1, "透明度" } });
    w.Canvas4_MouseUp(0, 0);
    expectNames({ { w.D[2], "" }, { w.D[5], "2015年1月1日(木) 元旦" }, { w.D[35], "2015年1月31日(土)" } });
    EXPECT_EQ(w.Canvas6->toolTip(), QString::fromUtf8("縮小"));
    EXPECT_EQ(w.D[5]->toolTip(), QString::fromUtf8("元旦"));
    QAccessible::setActive(false);
}

TEST_F(Opening, ScreenReadersPressThePictureButtonsAndFindOnlyWhatIsInView)
{
    Window1 &w = open();
    QAccessible::setActive(true);
    const auto iface = [](QObject *object) { return QAccessible::queryAccessibleInterface(object); };
    const auto children = [&] {
        std::set<QObject *> result;
        QAccessibleInterface *calendar = iface(&w);
        for (int i = 0; i < calendar->childCount(); ++i)
            result.insert(calendar->child(i)->object());
        return result;
    };
    const auto press = [&](QObject *button) {
        QAccessibleActionInterface *actions = iface(button)->actionInterface();
        ASSERT_NE(actions, nullptr);
        EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
    };
    QAccessibleInterface *area = iface(&w.settingsArea());
    EXPECT_EQ(iface(w.Canvas4)->role(), QAccessible::Button);
    EXPECT_EQ(iface(w.settingsArea().Slider1)->role(), QAccessible::Slider) << "Qt's own interface";
    press(w.Canvas4);
    EXPECT_EQ(w.viewMonth(), 1);
    EXPECT_FALSE(children().count(&w.settingsArea()));
    EXPECT_TRUE(area->state().invisible);
    QAccessibleInterface *calendar = iface(&w);
    for (const int outside : { -1, calendar->childCount() })
        EXPECT_EQ(calendar->child(outside), nullptr) << outside;
    EXPECT_EQ(calendar->indexOfChild(calendar->child(2)), 2);

    w.My_Pref();
    EXPECT_TRUE(children().count(&w.settingsArea()));
    EXPECT_FALSE(area->state().invisible);

    w.settingsArea().PushButton2_Action();
    press(w.Canvas6);
    EXPECT_EQ(children(), (std::set<QObject *> { w.Canvas1, w.DayTxt }));
    EXPECT_TRUE(iface(w.Canvas2)->state().invisible);
    // As a click does, the press on the tile brings the calendar back.
    press(w.Canvas1);
    EXPECT_FALSE(w.Win_Small);
    EXPECT_FALSE(iface(w.Canvas2)->state().invisible);
    QAccessible::setActive(false);
}

using Commands = WindowFixture;

TEST_F(Commands, PreferencesWidenTheWindowAndMoveItLeftOnANarrowScreen)
{
    screens.size = QSize(1280, 800);
    writeSettings(savedAt(1000, 100));
    Window1 &w = open();
    EXPECT_FALSE(w.My_Pref());
    EXPECT_EQ(w.geometry(), QRect(888, 100, 392, 114));
}

TEST_F(Commands, RequestsToFillTheScreenAreTurnedDown)
{
    for (const Qt::WindowState state : { Qt::WindowMaximized, Qt::WindowFullScreen }) {
        Window1 &w = open();
        w.setWindowState(state);
        EXPECT_EQ(w.windowState(), Qt::WindowNoState) << state;
        EXPECT_EQ(w.size(), QSize(102, 114));
    }
}

TEST_F(Commands, QuitSavesTheCalendarsPositionThenQuits)
{
    screens.size = QSize(1280, 800);
    writeSettings(savedAt(1000, 100));
    Window1 &w = open();
    w.My_Pref();
    bool savedBeforeQuit = false;
    w.Quit = [&] {
        savedBeforeQuit = QFile::exists(settingsPath());
        ++quits;
    };
    QFile::remove(settingsPath());
    EXPECT_FALSE(w.FileQuit());
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(savedBeforeQuit);
    const std::optional<settings::Settings> saved = settings::readSettingsFile(settingsPath());
    ASSERT_TRUE(saved);
    // The calendar where it was before the widened window moved left to fit.
    EXPECT_EQ(saved->left, 1000);
    EXPECT_EQ(saved->top, 100);
    EXPECT_EQ(w.geometry(), QRect(1000, 100, 102, 114));
}

TEST_F(Commands, ClosingTheWindowSavesAndQuits)
{
    settings::Settings s = savedAt(1300, 700);
    s.red = 10;
    s.green = 20;
    s.blue = 30;
    writeSettings(s);
    Window1 &w = open();
    w.Canvas6_MouseUp(0, 0);
    QFile::remove(settingsPath());
    w.close();
    EXPECT_EQ(quits, 1);
    const std::optional<settings::Settings> saved = settings::readSettingsFile(settingsPath());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->left, 1300);
    EXPECT_EQ(saved->top, 700);
    EXPECT_TRUE(saved->small);
    EXPECT_EQ((std::tuple { saved->red, saved->green, saved->blue }), (std::tuple { 10, 20, 30 }));
}

TEST_F(Commands, PreferencesFromTheTileBringBackTheCalendarBesideTheSettings)
{
    settings::Settings s = savedAt(300, 200);
    s.small = true;
    writeSettings(s);
    Window1 &w = open();
    w.My_Pref();
    EXPECT_FALSE(w.Win_Small);
    EXPECT_FALSE(w.DayTxt->isVisible());
    EXPECT_TRUE(w.Canvas1->isEnabled());
    EXPECT_EQ(w.geometry(), QRect(300, 200, 392, 114));
    w.settingsArea().PushButton2_Action();
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_EQ(w.viewMonth(), 1);
}

TEST_F(Commands, WhereNoPositionIsKnownTheFileKeepsItsOwn)
{
    // As on Wayland, where the compositor places the window and tells nothing.
    screens.positionKnown = false;
    writeSettings(savedAt(300, 200));
    Window1 &w = open();
    w.move(30, 3);
    w.store().setTrans(80);
    w.FileQuit();
    const std::optional<settings::Settings> saved = settings::readSettingsFile(settingsPath());
    ASSERT_TRUE(saved);
    EXPECT_EQ((std::tuple { saved->left, saved->top, saved->trans }), (std::tuple { 300, 200, 80 }));
}

TEST_F(Commands, SessionSaveLeavesTheWindowAsItWas)
{
    // The calendar, the tile and the settings area; each saves the calendar at 300, 200.
    const std::function<void(Window1 &)> enter[]
        = { [](Window1 &) {}, [](Window1 &w) { w.Canvas6_MouseUp(0, 0); }, [](Window1 &w) { w.My_Pref(); } };
    for (const auto &into : enter) {
        writeSettings(savedAt(300, 200));
        Window1 &w = open();
        into(w);
        const auto before = std::tuple { w.geometry(), w.Win_Small };
        w.Save_For_Session();
        EXPECT_EQ((std::tuple { w.geometry(), w.Win_Small }), before);
        const std::optional<settings::Settings> saved = settings::readSettingsFile(settingsPath());
        ASSERT_TRUE(saved);
        EXPECT_EQ((std::tuple { saved->left, saved->top, saved->small }), (std::tuple { 300, 200, w.Win_Small }));
    }
}

} // namespace
