// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the calendar window and of the "設定" window, and the size-mode rules.
#pragma once

// Geometry of the main window: its sizes, every control's rectangle, the day
// cells' origin and pitch, and the integer rules that switch between the size
// modes while keeping the window on its side of the screen. All in pixels;
// control rectangles are relative to the window's content.

#include <span>

namespace mainwindow
{

struct Rect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const Rect &) const = default;
};

struct Size {
    int width;
    int height;
};

namespace layout
{

    inline constexpr Size DesignSize { 395, 191 };
    inline constexpr Size LargeSize { 102, 114 };
    inline constexpr Size SettingsSize { 392, 114 };
    inline constexpr Size SmallSize { 19, 14 };

    // The corner buttons appear when the pointer is past this point.
    inline constexpr int CornerShowX = 70;
    inline constexpr int CornerShowY = 100;

    // Day cell k of row r and column c (k = 7 (r - 1) + c) sits at
    // (CellLeft + CellPitchX (c - 1), CellTop + CellPitchY (r - 1)).
    inline constexpr int CellLeft = 4;
    inline constexpr int CellTop = 40;
    inline constexpr int CellPitchX = 14;
    inline constexpr int CellPitchY = 12;
    inline constexpr Size CellSize { 15, 15 };

    // clang-format off
inline constexpr Rect Canvas1{-1, -1, 22, 15};
inline constexpr Rect DayTxt{3, -1, 17, 15};
inline constexpr Rect YearTxt{74, 15, 27, 15};
inline constexpr Rect Sun{4, 27, 12, 15};
inline constexpr Rect Mon{18, 27, 12, 15};
inline constexpr Rect Tue{32, 27, 12, 15};
inline constexpr Rect Wed{46, 27, 12, 15};
inline constexpr Rect Thu{61, 27, 12, 15};
inline constexpr Rect Fri{76, 27, 12, 15};
inline constexpr Rect Sat{89, 27, 12, 15};
inline constexpr Rect TukTxt{49, 14, 21, 16};
inline constexpr Rect CellTemplate{18, 161, 15, 15};
inline constexpr Rect NenTxt{3, 15, 43, 15};
inline constexpr Rect Canvas2{21, -1, 22, 15};
inline constexpr Rect Canvas3{43, -1, 16, 15};
inline constexpr Rect Canvas4{59, -1, 22, 15};
inline constexpr Rect Canvas5{81, -1, 22, 15};
inline constexpr Rect Canvas6{90, 102, 10, 10};
inline constexpr Rect Canvas7{75, 102, 10, 10};
inline constexpr Rect BevelButton1{103, -1, 292, 15};
inline constexpr Rect PushButton4{263, 139, 69, 20};
    // clang-format on

    // The controls of a settings area, in the coordinates of the window that shows it.
    struct SettingsAreaRects {
        Rect Slider1;
        Rect TransLabel;
        Rect TransText;
        Rect PushButton1;
        Rect CheckBox1;
        Rect RadioButton1[4];
        Rect PushButton3;
        Rect PushButton2;
    };

    // The calendar window's settings area, right of the calendar from x AreaLeft.
    inline constexpr int AreaLeft = 103;
    // clang-format off
inline constexpr SettingsAreaRects Window1Area{
    {205, 65, 174, 18}, {119, 63, 92, 20}, {158, 65, 27, 15}, {117, 89, 59, 20}, {117, 17, 96, 20},
    {{214, 17, 67, 20}, {283, 17, 80, 20}, {214, 40, 67, 20}, {283, 40, 80, 20}},
    {182, 89, 69, 20}, {332, 89, 57, 20}};
    // clang-format on

    // The "設定" window: its content size and the same controls, the first rows
    // moved 111 left, the buttons along the bottom.
    inline constexpr Size Window2Size { 298, 329 };
    // clang-format off
inline constexpr SettingsAreaRects Window2Area{
    {94, 69, 174, 18}, {8, 67, 92, 20}, {47, 69, 27, 15}, {12, 35, 59, 20}, {6, 4, 96, 20},
    {{103, 4, 67, 20}, {172, 4, 80, 20}, {103, 27, 67, 20}, {172, 27, 80, 20}},
    {77, 298, 69, 20}, {227, 298, 57, 20}};
    // clang-format on

} // namespace layout

// Returns the rectangle of day cell 1..42.
constexpr Rect cellRect(int cell)
{
    const int row = (cell - 1) / 7; // [0, 5]
    const int column = (cell - 1) % 7; // [0, 6]
    return { layout::CellLeft + layout::CellPitchX * column, layout::CellTop + layout::CellPitchY * row,
        layout::CellSize.width, layout::CellSize.height };
}

// The screen a window is on: the one it overlaps most, the first (screens[0])
// when it overlaps none or ties. Returns an empty rectangle for no screens.
Rect screenOf(const Rect &window, std::span<const Rect> screens);

// Which half of its screen the window's centre lies on. The centre offsets are
// cut to whole pixels, so a centre less than a pixel left of (or above) the
// screen's centre, or exactly on it, counts as right (or below).
struct ScreenSide {
    bool left;
    bool upper;
};

ScreenSide screenSide(const Rect &window, const Rect &screen);

// The 19 x 14 tile. On the right half the window keeps the right edge the
// 102 x 114 calendar had, on the lower half its bottom edge.
Rect smallWinRect(const Rect &window, const Rect &screen);

// The 102 x 114 calendar, keeping the edge of the current window nearest to
// its side of the screen. Undoes smallWinRect exactly.
Rect largeWinRect(const Rect &window, const Rect &screen);

// What a window shown as the tile counts as: where the window manager put it,
// at the 19 x 14 Lumo asked for, whatever size it granted (KWin keeps a window
// with a title bar at least as tall as the title bar). So the calendar comes
// back from the tile exactly where it was.
Rect tileRect(const Rect &granted);

// The window widened to show its settings area, moved left when it would
// otherwise run past the screen's right edge; not moved on an empty screen.
Rect settingsWinRect(const Rect &window, const Rect &screen);

// Where the calendar goes back when its settings area closes: where it was
// when the area opened (`calendar`, the window then widened to `widened`),
// moved as far as the user has since moved the widened window (now at `now`).
// So a widening pushed left to stay on the screen leaves no trace.
Rect calendarAfterArea(const Rect &calendar, const Rect &widened, const Rect &now);

// The window manager's frame around the content: title bar and borders.
struct Margins {
    int left;
    int top;
    int right;
    int bottom;
};

// Returns the window moved by the least amount that puts it, frame included,
// wholly on the screen its frame overlaps most. A frame larger than the screen
// keeps its top-left corner on it, so the title bar stays reachable.
Rect keepFrameOnScreen(const Rect &window, const Margins &frame, std::span<const Rect> screens);

// Returns window with its corner brought within 2^24 pixels of the origin, far beyond any
// screen, so that the window system's sums of position and size cannot overflow. The opening
// then moves it onto a screen.
Rect withinReach(const Rect &window);

// Where a window saved at `saved` opens. A top-left corner on any screen
// (edges included) is kept; otherwise, against the first screen, a top outside
// its height goes to 5 below its top and a left outside its width to its left
// edge. Then the window with its frame is moved wholly onto a screen.
Rect openingRect(const Rect &saved, const Margins &frame, std::span<const Rect> screens);

} // namespace mainwindow
