// SPDX-License-Identifier: GPL-3.0-or-later
// The size-mode rules: the tile, the calendar and the widened window on their screen.
#include "mainwindow/window_layout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace mainwindow
{

namespace
{

    int clampToInt(std::int64_t value)
    {
        if (value > std::numeric_limits<int>::max())
            return std::numeric_limits<int>::max();
        if (value < std::numeric_limits<int>::min())
            return std::numeric_limits<int>::min();
        return static_cast<int>(value);
    }

    // Whether value lies in [from, from + length], both ends included.
    bool within(int value, int from, int length)
    {
        return value >= from && std::int64_t { value } <= std::int64_t { from } + length;
    }

    // The area two rectangles share; 0 when they do not overlap.
    std::int64_t overlap(const Rect &a, const Rect &b)
    {
        const std::int64_t w
            = std::min(std::int64_t { a.left } + a.width, std::int64_t { b.left } + b.width) - std::max(a.left, b.left);
        const std::int64_t h
            = std::min(std::int64_t { a.top } + a.height, std::int64_t { b.top } + b.height) - std::max(a.top, b.top);
        return w > 0 && h > 0 ? w * h : 0;
    }

} // namespace

Rect screenOf(const Rect &window, std::span<const Rect> screens)
{
    if (screens.empty())
        return { 0, 0, 0, 0 };
    const Rect *best = &screens.front();
    std::int64_t bestArea = 0;
    for (const Rect &screen : screens) {
        const std::int64_t area = overlap(window, screen);
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    return *best;
}

ScreenSide screenSide(const Rect &window, const Rect &screen)
{
    // dx = SL + SW / 2 - (L + W / 2), cut toward zero, is positive exactly when
    // the doubled difference 2 SL + SW - (2L + W) is at least 2. Likewise for dy.
    const std::int64_t dx2
        = 2 * std::int64_t { screen.left } + screen.width - (2 * std::int64_t { window.left } + window.width);
    const std::int64_t dy2
        = 2 * std::int64_t { screen.top } + screen.height - (2 * std::int64_t { window.top } + window.height);
    return { dx2 >= 2, dy2 >= 2 };
}

Rect smallWinRect(const Rect &window, const Rect &screen)
{
    const ScreenSide side = screenSide(window, screen);
    Rect result { window.left, window.top, layout::SmallSize.width, layout::SmallSize.height };
    if (!side.left)
        result.left = clampToInt(std::int64_t { window.left } + layout::LargeSize.width - layout::SmallSize.width);
    if (!side.upper)
        result.top = clampToInt(std::int64_t { window.top } + layout::LargeSize.height - layout::SmallSize.height);
    return result;
}

Rect largeWinRect(const Rect &window, const Rect &screen)
{
    const ScreenSide side = screenSide(window, screen);
    Rect result { window.left, window.top, layout::LargeSize.width, layout::LargeSize.height };
    if (!side.left)
        result.left = clampToInt(std::int64_t { window.left } - layout::LargeSize.width + window.width);
    if (!side.upper)
        result.top = clampToInt(std::int64_t { window.top } - layout::LargeSize.height + window.height);
    return result;
}

Rect tileRect(const Rect &granted)
{
    return { granted.left, granted.top, layout::SmallSize.width, layout::SmallSize.height };
}

Rect settingsWinRect(const Rect &window, const Rect &screen)
{
    Rect result { window.left, window.top, layout::SettingsSize.width, layout::SettingsSize.height };
    // An empty screen (there are none) has no edge to keep the window in.
    const std::int64_t right = std::int64_t { screen.left } + screen.width;
    if (screen.width != 0 && right < std::int64_t { window.left } + layout::SettingsSize.width)
        result.left = clampToInt(right - layout::SettingsSize.width);
    return result;
}

Rect calendarAfterArea(const Rect &calendar, const Rect &widened, const Rect &now)
{
    return { clampToInt(std::int64_t { calendar.left } + now.left - widened.left),
        clampToInt(std::int64_t { calendar.top } + now.top - widened.top), layout::LargeSize.width,
        layout::LargeSize.height };
}

Rect keepFrameOnScreen(const Rect &window, const Margins &frame, std::span<const Rect> screens)
{
    if (screens.empty())
        return window;
    const std::int64_t left = std::int64_t { window.left } - frame.left;
    const std::int64_t top = std::int64_t { window.top } - frame.top;
    const std::int64_t width = std::int64_t { window.width } + frame.left + frame.right;
    const std::int64_t height = std::int64_t { window.height } + frame.top + frame.bottom;
    const Rect framed { clampToInt(left), clampToInt(top), clampToInt(width), clampToInt(height) };
    const Rect screen = screenOf(framed, screens);
    // Into the screen from its far edges first, then from its near edges, which win.
    const std::int64_t newLeft
        = std::max<std::int64_t>(std::min(left, std::int64_t { screen.left } + screen.width - width), screen.left);
    const std::int64_t newTop
        = std::max<std::int64_t>(std::min(top, std::int64_t { screen.top } + screen.height - height), screen.top);
    return { clampToInt(newLeft + frame.left), clampToInt(newTop + frame.top), window.width, window.height };
}

Rect withinReach(const Rect &window)
{
    constexpr int reach = 1 << 24;
    return { std::clamp(window.left, -reach, reach), std::clamp(window.top, -reach, reach), window.width,
        window.height };
}

Rect openingRect(const Rect &saved, const Margins &frame, std::span<const Rect> screens)
{
    if (screens.empty())
        return saved;
    const auto cornerOn
        = [&saved](const Rect &s) { return within(saved.left, s.left, s.width) && within(saved.top, s.top, s.height); };
    Rect result = saved;
    if (std::none_of(screens.begin(), screens.end(), cornerOn)) {
        const Rect &first = screens.front();
        if (!within(saved.top, first.top, first.height))
            result.top = clampToInt(std::int64_t { first.top } + 5);
        if (!within(saved.left, first.left, first.width))
            result.left = first.left;
    }
    return keepFrameOnScreen(result, frame, screens);
}

} // namespace mainwindow
