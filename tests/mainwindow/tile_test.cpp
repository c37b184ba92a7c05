// SPDX-License-Identifier: GPL-3.0-or-later
// The 128 x 128 tile picture, its tooltip, and when it is composed.
#include "mainwindow/static_text.h"
#include "mainwindow/window1.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QPainter>
#include <QRadioButton>
#include <QRect>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{

using mainwindow::Window1;
using namespace testing_support;

const QRect Tile(0, 0, 128, 128);
const QRect Badge(96, 96, 32, 32);

// What a pixel of text on a light background is: one colour clearly ahead of the
// other two, or grey to black. Faint anti-aliased edges stay unsure.
enum class Ink { None, Red, Blue, Black, Green, Unsure };

Ink inkOf(QColor c, QColor background)
{
    if (c == background)
        return Ink::None;
    const int r = c.red(), g = c.green(), b = c.blue();
    if (r - std::max(g, b) > 60)
        return Ink::Red;
    if (b - std::max(r, g) > 60)
        return Ink::Blue;
    if (g - std::max(r, b) > 40)
        return Ink::Green;
    if (std::max({ r, g, b }) - std::min({ r, g, b }) < 30 && std::max({ r, g, b }) < 160)
        return Ink::Black;
    return Ink::Unsure;
}

// Pixels of one ink inside area, the badge left out.
int count(const QImage &image, const QRect &area, Ink ink, QColor background)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!Badge.contains(x, y) && inkOf(image.pixelColor(x, y), background) == ink)
                ++n;
        }
    }
    return n;
}

// The bounding box of every pixel inside area that is not background, the badge left out.
QRect inked(const QImage &image, QColor background, const QRect &area = Tile)
{
    QRect box;
    for (int y = area.top(); y <= std::min(area.bottom(), image.height() - 1); ++y) {
        for (int x = area.left(); x <= std::min(area.right(), image.width() - 1); ++x) {
            if (!Badge.contains(x, y) && image.pixelColor(x, y) != background)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class TileTest : public WindowFixture
{
protected:
    void open(const QByteArray &settingsText = {})
    {
        if (!settingsText.isEmpty())
            writeFile(settingsText);
        WindowFixture::open();
    }

    // Composes the tile in a mode on a background.
    const QImage &compose(int mode, QColor background = Qt::white)
    {
        window->store().setMode(mode);
        window->store().setColour({ background.red(), background.green(), background.blue() });
        window->Draw_Dock();
        return dock.lastTile;
    }
};

TEST_F(TileTest, EveryModeHasTheBackgroundAndTheBadge)
{
    open();
    const QColor background(255, 250, 240);
    const QColor badge = pictures.picture(184, 1.0).toImage().pixelColor(0, 0);
    for (int mode : { 0, 1, 2, 3, 4, -1 }) {
        SCOPED_TRACE(mode);
        const QImage &tile = compose(mode, background);
        EXPECT_EQ(tile.size(), QSize(128, 128));
        EXPECT_EQ(tile.depth(), 32);
        for (const QPoint corner : { QPoint(0, 0), QPoint(127, 0), QPoint(0, 127), QPoint(95, 127), QPoint(127, 95) })
            EXPECT_EQ(tile.pixelColor(corner), background) << corner.x() << "," << corner.y();
        int badgePixels = 0;
        for (int y = Badge.top(); y <= Badge.bottom(); ++y) {
            for (int x = Badge.left(); x <= Badge.right(); ++x)
                badgePixels += tile.pixelColor(x, y) == badge;
        }
        EXPECT_EQ(badgePixels, 32 * 32);
    }
}

TEST_F(TileTest, ModesBeyondThreeShowOnlyTheBackground)
{
    open();
    for (int mode : { 4, 9, -1 }) {
        SCOPED_TRACE(mode);
        EXPECT_TRUE(inked(compose(mode), Qt::white).isNull());
    }
}

TEST_F(TileTest, DayModesDrawTodayInItsBoxAndColour)
{
    struct Row {
        QDate date;
        int mode;
        Ink ink;
        QRect firstPixelWithin; // where the left and top edges of the ink may lie
        int bottomAtLeast; // the lowest ink; fonts differ by a few pixels around the baseline
    };
    // clang-format off
    const Row rows[] = {
        {QDate(2014, 12, 9),  2, Ink::Black, QRect(35, 20, 12, 20), 82},  // Tuesday, one digit at 35
        {QDate(2014, 12, 10), 2, Ink::Black, QRect(10, 20, 12, 20), 82},  // two digits at 10
        {QDate(2014, 12, 7),  2, Ink::Red,   QRect(35, 20, 12, 20), 82},  // Sunday
        {QDate(2014, 11, 24), 2, Ink::Red,   QRect(10, 20, 12, 20), 82},  // substitute holiday, a Monday
        {QDate(2014, 12, 13), 2, Ink::Blue,  QRect(10, 20, 12, 20), 82},  // Saturday
        {QDate(2014, 12, 13), 3, Ink::Blue,  QRect(18, 0, 14, 20), 82},   // the weekday, 土
        {QDate(2014, 12, 8),  3, Ink::Black, QRect(18, 0, 14, 20), 82},
        {QDate(2015, 1, 1),   1, Ink::Red,   QRect(30, 5, 12, 15), 100},  // New Year's Day, three lines
        {QDate(2014, 12, 9),  1, Ink::Black, QRect(30, 5, 12, 15), 100},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.date.toString(Qt::ISODate).toStdString() + " mode " + std::to_string(row.mode));
        clock.date = row.date;
        open();
        const QImage &tile = compose(row.mode);
        const QRect box = inked(tile, Qt::white);
        EXPECT_TRUE(row.firstPixelWithin.contains(box.topLeft())) << box.left() << "," << box.top();
        EXPECT_GE(box.bottom(), row.bottomAtLeast);
        EXPECT_LE(box.bottom(), 127);
        EXPECT_GT(count(tile, Tile, row.ink, Qt::white), 100);
        for (Ink other : { Ink::Red, Ink::Blue, Ink::Black, Ink::Green }) {
            if (other != row.ink) {
                EXPECT_EQ(count(tile, Tile, other, Qt::white), 0) << static_cast<int>(other);
            }
        }
    }
}

TEST_F(TileTest, MonthModeCopiesTheMonthOnView)
{
    open();
    // Cell k of row r, column c: text from x 17 + 14 (c - 1), baseline 46 + 12 (r - 1).
    const auto cellBox = [](int k) {
        const int x = 17 + 14 * ((k - 1) % 7);
        const int baseline = 46 + 12 * ((k - 1) / 7);
        return QRect(x, baseline - 9, 13, 10);
    };
    const auto underBox = [](int k) { return QRect(17 + 14 * ((k - 1) % 7), 46 + 12 * ((k - 1) / 7) + 1, 13, 2); };

    // December 2014 starts on a Monday: cell 1 is empty, cell 5 the 4th (Thursday),
    // cell 9 today the 8th, cell 8 Sunday the 7th, cell 14 Saturday the 13th.
    const QImage december = compose(0);
    EXPECT_EQ(count(december, cellBox(1), Ink::Black, Qt::white) + count(december, cellBox(1), Ink::Red, Qt::white), 0);
    EXPECT_GT(count(december, cellBox(5), Ink::Black, Qt::white), 3);
    EXPECT_EQ(count(december, cellBox(5), Ink::Red, Qt::white), 0);
    EXPECT_GT(count(december, cellBox(8), Ink::Red, Qt::white), 3);
    EXPECT_GT(count(december, cellBox(14), Ink::Blue, Qt::white), 3);
    EXPECT_GT(count(december, QRect(62, 8, 20, 14), Ink::Green, Qt::white), 3) << "the month number";
    EXPECT_GT(count(december, QRect(17, 24, 12, 10), Ink::Red, Qt::white), 3) << "the Sunday header";
    // Today underlined, under the digits' baseline; its neighbour not.
    EXPECT_GE(count(december, underBox(9), Ink::Black, Qt::white), 6);
    EXPECT_EQ(count(december, underBox(10), Ink::Black, Qt::white), 0);

    // January 2015 starts on a Thursday, New Year's Day, in cell 5.
    window->Canvas4_MouseUp(0, 0);
    ASSERT_EQ(window->viewMonth(), 1);
    const QImage january = compose(0);
    EXPECT_GT(count(january, cellBox(5), Ink::Red, Qt::white), 3);
    EXPECT_EQ(count(january, cellBox(5), Ink::Black, Qt::white), 0);
    EXPECT_EQ(count(january, cellBox(4), Ink::Black, Qt::white), 0);
    EXPECT_EQ(count(january, underBox(10), Ink::Black, Qt::white), 0) << "no today in another month";
    EXPECT_NE(january, december);
}

TEST_F(TileTest, MonthModeDrawsTextsInTheWindowsSizesAndColours)
{
    open();
    const auto labelAt = [this](const QRect &place) {
        for (auto *label : window->findChildren<mainwindow::StaticText *>()) {
            if (label->geometry() == place)
                return label;
        }
        return static_cast<mainwindow::StaticText *>(nullptr);
    };
    // December 2014: each label and where the tile draws its text.
    const struct {
        mainwindow::StaticText *label;
        QRect inTile;
    } rows[] = {
        { window->NenTxt, QRect(16, 10, 44, 14) }, // 平成26年
        { labelAt(QRect(89, 27, 12, 15)), QRect(102, 24, 12, 10) }, // the Saturday header
        { window->D[24], QRect(45, 73, 13, 10) }, // the 23rd, a holiday
    };
    const QImage &tile = compose(0);
    for (const auto &row : rows) {
        ASSERT_NE(row.label, nullptr);
        SCOPED_TRACE(row.label->text().toStdString());
        QImage shown(row.label->size(), QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::white);
        row.label->render(&shown, {}, {}, QWidget::DrawChildren);
        EXPECT_EQ(inked(tile, Qt::white, row.inTile).size(), inked(shown, Qt::white, shown.rect()).size());
        EXPECT_GT(count(tile, row.inTile, inkOf(row.label->textColor(), Qt::white), Qt::white), 3);
    }
}

TEST_F(TileTest, ToolTipGivesTheDateAndAnyHoliday)
{
    open();
    window->Draw_Dock();
    EXPECT_EQ(dock.lastToolTip, QString::fromUtf8("2014年12月8日(月)"));

    clock.date = QDate(2015, 1, 1);
    window->Check_Day();
    const QString holiday = window->D[5]->toolTip();
    ASSERT_FALSE(holiday.isEmpty());
    EXPECT_EQ(window->tileToolTip(), QString::fromUtf8("2015年1月1日(木) ") + holiday);
}

// --- When the tile is composed ---

TEST_F(TileTest, OpeningComposesOnlyWhenTheBoxWasSavedTicked)
{
    open(DayModeTileOn);
    EXPECT_EQ(dock.updates, 1);
    const QColor background(255, 250, 240);
    EXPECT_GE(inked(dock.lastTile, background).left(), 35) << "the day, one digit";
    EXPECT_GT(count(dock.lastTile, Tile, Ink::Black, background), 100);
    EXPECT_EQ(dock.resets, 0);

    dock = FakeDockTile();
    QByteArray unticked = DayModeTileOn;
    unticked.replace("True", "False");
    open(unticked);
    EXPECT_EQ(dock.updates, 0);
}

TEST_F(TileTest, DayRolloverComposesTheNewDateWhenTicked)
{
    clock.date = QDate(2014, 12, 9);
    open(DayModeTileOn);
    ASSERT_EQ(dock.updates, 1);
    const QColor background(255, 250, 240);
    EXPECT_GE(inked(dock.lastTile, background).left(), 35);

    window->Check_Day();
    EXPECT_EQ(dock.updates, 1) << "same day, nothing composed";
    clock.date = QDate(2014, 12, 10);
    window->Check_Day();
    EXPECT_EQ(dock.updates, 2);
    EXPECT_LT(inked(dock.lastTile, background).left(), 22);
    EXPECT_TRUE(dock.lastToolTip.startsWith(QString::fromUtf8("2014年12月10日")));

    window->settingsArea().CheckBox1->setChecked(false);
    clock.date = QDate(2014, 12, 11);
    window->Check_Day();
    EXPECT_EQ(dock.updates, 2);
}

} // namespace
