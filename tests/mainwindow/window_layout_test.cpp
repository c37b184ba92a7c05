// SPDX-License-Identifier: GPL-3.0-or-later
// The size modes as integer rules: which side of its screen a window is on,
// the tile and calendar rectangles that keep it there, the widened window and
// the placement at opening on one or more screens.
#include "mainwindow/window_layout.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <span>
#include <utility>
#include <vector>

namespace mainwindow
{
// Failure messages print rectangles as left,top widthxheight.
static void PrintTo(const Rect &r, std::ostream *out)
{
    *out << r.left << "," << r.top << " " << r.width << "x" << r.height;
}
} // namespace mainwindow

namespace
{

using mainwindow::Margins;
using mainwindow::Rect;

constexpr Rect Screen1440 { 0, 0, 1440, 900 };
// A screen left of and above the one at the origin: its centre is at -960, 240.
constexpr Rect LeftAbove { -1920, -300, 1920, 1080 };
using testing_support::IntMax;
using testing_support::IntMin;

struct SideRow {
    const char *name;
    Rect window;
    bool left;
    bool upper;
    Rect screen = Screen1440;
};

TEST(ScreenSide, CentreOnOrRightOfTheMiddleCountsAsRight)
{
    // clang-format off
    const SideRow rows[] = {
        {"upper left", {100, 100, 102, 114}, true, true},
        {"lower right", {1300, 700, 102, 114}, false, false},
        {"centre on the vertical centre line", {669, 100, 102, 114}, false, true},
        {"centre one pixel left of it", {668, 100, 102, 114}, true, true},
        {"centre half a pixel left of it", {710, 100, 19, 14}, false, true},
        {"centre one and a half pixels left", {709, 100, 19, 14}, true, true},
        {"centre on the horizontal centre line", {100, 393, 102, 114}, true, false},
        {"centre one pixel above it", {100, 392, 102, 114}, true, true},
        {"widened window right of the middle", {1000, 100, 392, 114}, false, true},
        {"far off to the left and above", {-5000, -5000, 102, 114}, true, true},
        {"right and lower half of a screen at negative coordinates", {-1000, 300, 102, 114}, false, false, LeftAbove},
        {"left and upper half of it", {-1100, 100, 102, 114}, true, true, LeftAbove},
        {"centre on its vertical centre line", {-1011, 100, 102, 114}, false, true, LeftAbove},
        {"centre one pixel left of it", {-1012, 100, 102, 114}, true, true, LeftAbove},
        {"centre half a pixel left of it", {-970, 100, 19, 14}, false, true, LeftAbove},
        {"centre on its horizontal centre line", {-1100, 183, 102, 114}, true, false, LeftAbove},
        {"centre one pixel above it", {-1100, 182, 102, 114}, true, true, LeftAbove},
    };
    // clang-format on
    for (const SideRow &row : rows) {
        SCOPED_TRACE(row.name);
        const mainwindow::ScreenSide side = mainwindow::screenSide(row.window, row.screen);
        EXPECT_EQ(side.left, row.left);
        EXPECT_EQ(side.upper, row.upper);
    }
}

struct ModeRow {
    const char *name;
    Rect large;
    Rect small;
};

TEST(SizeModes, TileKeepsTheCornerNearestItsSide)
{
    // clang-format off
    const ModeRow rows[] = {
        {"upper left keeps left and top", {100, 100, 102, 114}, {100, 100, 19, 14}},
        {"lower right keeps right and bottom", {1300, 700, 102, 114}, {1383, 800, 19, 14}},
        {"upper right keeps right and top", {1300, 100, 102, 114}, {1383, 100, 19, 14}},
        {"lower left keeps left and bottom", {100, 700, 102, 114}, {100, 800, 19, 14}},
        {"exact centre counts as lower right", {669, 393, 102, 114}, {752, 493, 19, 14}},
    };
    // clang-format on
    for (const ModeRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(mainwindow::smallWinRect(row.large, Screen1440), row.small);
        EXPECT_EQ(mainwindow::largeWinRect(row.small, Screen1440), row.large);
        // A window manager granting the tile more room (a title bar's height) leaves it there.
        for (const auto &[width, height] : { std::pair { 19, 41 }, std::pair { 60, 34 } }) {
            const Rect granted { row.small.left, row.small.top, width, height };
            EXPECT_EQ(mainwindow::largeWinRect(mainwindow::tileRect(granted), Screen1440), row.large)
                << width << " x " << height;
        }
    }
}

TEST(SizeModes, LargeUndoesSmallEverywhereOnTheScreen)
{
    // Every left and every top across the screen and a little beyond.
    for (int left = -200; left <= Screen1440.width + 200; ++left) {
        const Rect large { left, 300, 102, 114 };
        ASSERT_EQ(mainwindow::largeWinRect(mainwindow::smallWinRect(large, Screen1440), Screen1440), large)
            << "left " << left;
    }
    for (int top = -200; top <= Screen1440.height + 200; ++top) {
        const Rect large { 300, top, 102, 114 };
        ASSERT_EQ(mainwindow::largeWinRect(mainwindow::smallWinRect(large, Screen1440), Screen1440), large)
            << "top " << top;
    }
}

TEST(SizeModes, LargeFromLargeChangesNothing)
{
    for (const Rect r : { Rect { 100, 100, 102, 114 }, Rect { 1300, 700, 102, 114 }, Rect { 669, 393, 102, 114 } })
        EXPECT_EQ(mainwindow::largeWinRect(r, Screen1440), r);
}

TEST(SizeModes, SmallFromTheWidenedWindowUsesTheCalendarsRightEdge)
{
    // On the right half the tile goes where the 102-wide calendar's right edge was.
    EXPECT_EQ(mainwindow::smallWinRect({ 1000, 700, 392, 114 }, Screen1440), (Rect { 1083, 800, 19, 14 }));
}

TEST(SizeModes, LargeFromTheWidenedWindowKeepsItsRightEdge)
{
    EXPECT_EQ(mainwindow::largeWinRect({ 1000, 100, 392, 114 }, Screen1440), (Rect { 1290, 100, 102, 114 }));
    // On the left half the left edge stays.
    EXPECT_EQ(mainwindow::largeWinRect({ 100, 100, 392, 114 }, Screen1440), (Rect { 100, 100, 102, 114 }));
}

TEST(SizeModes, ExtremePositionsSaturateInsteadOfWrapping)
{
    const Rect screen = Screen1440;
    EXPECT_EQ(mainwindow::smallWinRect({ IntMax, IntMax, 102, 114 }, screen), (Rect { IntMax, IntMax, 19, 14 }));
    EXPECT_EQ(mainwindow::smallWinRect({ IntMin, IntMin, 102, 114 }, screen), (Rect { IntMin, IntMin, 19, 14 }));
    EXPECT_EQ(mainwindow::largeWinRect({ IntMax, IntMax, 392, 114 }, screen), (Rect { IntMax, IntMax, 102, 114 }));
    EXPECT_EQ(mainwindow::largeWinRect({ IntMin, IntMin, 19, 14 }, screen), (Rect { IntMin, IntMin, 102, 114 }));
    // Just inside the limits the result is exact.
    EXPECT_EQ(
        mainwindow::smallWinRect({ IntMax - 83, IntMax - 100, 102, 114 }, screen), (Rect { IntMax, IntMax, 19, 14 }));
    EXPECT_EQ(
        mainwindow::largeWinRect({ IntMax, IntMax, 19, 14 }, screen), (Rect { IntMax - 83, IntMax - 100, 102, 114 }));
    EXPECT_EQ(mainwindow::settingsWinRect({ IntMax, 0, 102, 114 }, screen).left, 1440 - 392);
    EXPECT_EQ(mainwindow::settingsWinRect({ IntMin, 0, 102, 114 }, screen).left, IntMin);
    const Rect one[] = { screen };
    EXPECT_EQ(mainwindow::openingRect({ IntMin, IntMax, 102, 114 }, {}, one), (Rect { 0, 5, 102, 114 }));
    EXPECT_EQ(mainwindow::keepFrameOnScreen({ IntMax, IntMin, 102, 114 }, { 4, 24, 4, 4 }, one),
        (Rect { 1334, 24, 102, 114 }));
}

TEST(SettingsWindow, WidensAndMovesLeftOnlyWhenItWouldRunOffScreen)
{
    // clang-format off
    const struct {
        const char *name;
        int left;
        int screenWidth;
        int expectedLeft;
    } rows[] = {
        {"runs past the right edge", 1000, 1280, 888},
        {"ends exactly at the right edge", 888, 1280, 888},
        {"room enough", 1000, 1440, 1000},
        {"at the left edge", 0, 1280, 0},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(mainwindow::settingsWinRect({ row.left, 120, 102, 114 }, { 0, 0, row.screenWidth, 800 }),
            (Rect { row.expectedLeft, 120, 392, 114 }));
    }
}

TEST(SettingsWindow, ClosingPutsTheCalendarBackWhereItWasOrAsFarAsTheUserMovedIt)
{
    constexpr Rect screen { 0, 0, 1280, 800 };
    // Not moved: back where it was, also where the widening had to move left.
    for (int left = -200; left <= screen.width + 200; ++left) {
        const Rect calendar { left, 300, 102, 114 };
        const Rect widened = mainwindow::settingsWinRect(calendar, screen);
        ASSERT_EQ(mainwindow::calendarAfterArea(calendar, widened, widened), calendar) << "left " << left;
    }
    // Moved by the user from 888, 300 to 788, 350: the calendar moves as far.
    EXPECT_EQ(mainwindow::calendarAfterArea({ 1100, 300, 102, 114 }, { 888, 300, 392, 114 }, { 788, 350, 392, 114 }),
        (Rect { 1000, 350, 102, 114 }));
    EXPECT_EQ(mainwindow::calendarAfterArea({ IntMax, IntMin, 102, 114 }, { 0, 0, 392, 114 }, { 10, -10, 392, 114 }),
        (Rect { IntMax, IntMin, 102, 114 }));
}

TEST(Screens, SavedPositionOpensWhollyOnAScreen)
{
    const std::vector<Rect> one { Screen1440 };
    const std::vector<Rect> two { Screen1440, { 1440, 0, 1920, 1080 } };
    const std::vector<Rect> leftAbove { Screen1440, LeftAbove };
    const std::vector<Rect> firstLeftAbove { LeftAbove, Screen1440 };
    constexpr Margins none { 0, 0, 0, 0 };
    constexpr Margins frame { 4, 24, 4, 4 };
    // clang-format off
    const struct {
        const char *name;
        const std::vector<Rect> &screens;
        Margins frame;
        Rect saved;
        Rect opened;
    } rows[] = {
        {"well inside one screen", one, frame, {300, 200, 102, 114}, {300, 200, 102, 114}},
        {"top above the screen", one, none, {300, -20, 102, 114}, {300, 5, 102, 114}},
        {"top below the screen", one, none, {300, 901, 102, 114}, {300, 5, 102, 114}},
        {"left past the width", one, none, {1441, 200, 102, 114}, {0, 200, 102, 114}},
        {"left negative", one, none, {-1, 200, 102, 114}, {0, 200, 102, 114}},
        {"both off", one, none, {-50, -50, 102, 114}, {0, 5, 102, 114}},
        {"top equal to the height", one, none, {300, 900, 102, 114}, {300, 786, 102, 114}},
        {"left equal to the width", one, none, {1440, 200, 102, 114}, {1338, 200, 102, 114}},
        {"title bar above the screen", one, frame, {0, 0, 102, 114}, {4, 24, 102, 114}},
        {"near the far corner", one, frame, {1431, 892, 102, 114}, {1334, 782, 102, 114}},
        {"top 5 under a title bar", one, frame, {300, -20, 102, 114}, {300, 24, 102, 114}},
        {"on the second screen", two, frame, {2000, 500, 102, 114}, {2000, 500, 102, 114}},
        {"near the second's far corner", two, frame, {3350, 1070, 102, 114}, {3254, 962, 102, 114}},
        {"across both, more on the second", two, frame, {1400, 100, 102, 114}, {1444, 100, 102, 114}},
        {"off every screen", two, none, {4000, 200, 102, 114}, {0, 200, 102, 114}},
        {"on a screen left of and above the first", leftAbove, frame, {-1000, -200, 102, 114}, {-1000, -200, 102, 114}},
        {"tile on the second's bottom edge", two, frame, {2000, 1075, 19, 14}, {2000, 1062, 19, 14}},
        // The first screen left of and above the origin.
        {"on the first screen's top-left corner", firstLeftAbove, none, {-1920, -300, 102, 114}, {-1920, -300, 102, 114}},
        {"top just above the first", firstLeftAbove, none, {-1000, -301, 102, 114}, {-1000, -295, 102, 114}},
        {"left just left of the first", firstLeftAbove, none, {-1921, 0, 102, 114}, {-1920, 0, 102, 114}},
        {"off every screen, the first at negative coordinates", firstLeftAbove, none, {5000, 5000, 102, 114}, {-1920, -295, 102, 114}},
        {"title bar above the first", firstLeftAbove, frame, {-1920, -300, 102, 114}, {-1916, -276, 102, 114}},
        {"past the first's far corner", firstLeftAbove, frame, {-80, 700, 102, 114}, {-106, 662, 102, 114}},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(mainwindow::openingRect(row.saved, row.frame, row.screens), row.opened);
    }
}

TEST(Screens, SizeModesUseTheScreenTheWindowIsOn)
{
    const std::vector<Rect> two { Screen1440, { 1440, 0, 1920, 1080 } };
    // Left and upper half of the second screen, though right of the first's centre.
    const Rect upperLeft { 1500, 100, 102, 114 };
    EXPECT_EQ(mainwindow::smallWinRect(upperLeft, mainwindow::screenOf(upperLeft, two)), (Rect { 1500, 100, 19, 14 }));
    const Rect lowerRight { 3200, 900, 102, 114 };
    EXPECT_EQ(
        mainwindow::smallWinRect(lowerRight, mainwindow::screenOf(lowerRight, two)), (Rect { 3283, 1000, 19, 14 }));
    EXPECT_EQ(mainwindow::settingsWinRect(lowerRight, mainwindow::screenOf(lowerRight, two)).left, 3360 - 392);
    EXPECT_EQ(mainwindow::screenOf({ 5000, 5000, 102, 114 }, two), Screen1440);
    EXPECT_EQ(mainwindow::screenOf({ 3359, 1079, 102, 114 }, two), two[1]) << "one pixel on the second";
    // The right and lower half of a screen left of and above the origin.
    const std::vector<Rect> around { Screen1440, LeftAbove };
    const Rect onLeftAbove { -1000, 300, 102, 114 };
    EXPECT_EQ(mainwindow::screenOf(onLeftAbove, around), LeftAbove);
    EXPECT_EQ(mainwindow::smallWinRect(onLeftAbove, LeftAbove), (Rect { -917, 400, 19, 14 }));
    EXPECT_EQ(mainwindow::settingsWinRect({ -300, 100, 102, 114 }, LeftAbove).left, -392);
}

TEST(Screens, WithNoScreensTheWindowStaysWhereItIs)
{
    const std::span<const Rect> none;
    const Rect window { 300, 200, 102, 114 };
    const Rect screen = mainwindow::screenOf(window, none);
    EXPECT_EQ(screen, (Rect { 0, 0, 0, 0 }));
    EXPECT_EQ(mainwindow::openingRect(window, { 4, 24, 4, 4 }, none), window);
    EXPECT_EQ(mainwindow::keepFrameOnScreen(window, { 4, 24, 4, 4 }, none), window);
    EXPECT_EQ(mainwindow::settingsWinRect(window, screen), (Rect { 300, 200, 392, 114 }));
    EXPECT_EQ(mainwindow::largeWinRect(mainwindow::smallWinRect(window, screen), screen), window);
}

TEST(CellRect, CellsSitOnTheirPitch)
{
    // clang-format off
    const struct {
        int cell;
        Rect rect;
    } rows[] = {
        {1, {4, 40, 15, 15}}, {7, {88, 40, 15, 15}}, {8, {4, 52, 15, 15}},
        {36, {4, 100, 15, 15}}, {42, {88, 100, 15, 15}},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.cell);
        EXPECT_EQ(mainwindow::cellRect(row.cell), row.rect);
    }
}

} // namespace
