#include "mainwindow/window_layout.h"

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

} // namespace

ScreenSide screenSide(const Rect &window, Size screen)
{
    // dx = SW / 2 - (L + W / 2), cut toward zero, is positive exactly when the
    // doubled difference SW - (2L + W) is at least 2. Likewise for dy.
    const std::int64_t dx2 = std::int64_t { screen.width } - (2 * std::int64_t { window.left } + window.width);
    const std::int64_t dy2 = std::int64_t { screen.height } - (2 * std::int64_t { window.top } + window.height);
    return { dx2 >= 2, dy2 >= 2 };
}

Rect smallWinRect(const Rect &window, Size screen)
{
    const ScreenSide side = screenSide(window, screen);
    Rect result { window.left, window.top, layout::SmallSize.width, layout::SmallSize.height };
    if (!side.left)
        result.left = clampToInt(std::int64_t { window.left } + layout::LargeSize.width - layout::SmallSize.width);
    if (!side.upper)
        result.top = clampToInt(std::int64_t { window.top } + layout::LargeSize.height - layout::SmallSize.height);
    return result;
}

Rect largeWinRect(const Rect &window, Size screen)
{
    const ScreenSide side = screenSide(window, screen);
    Rect result { window.left, window.top, layout::LargeSize.width, layout::LargeSize.height };
    if (!side.left)
        result.left = clampToInt(std::int64_t { window.left } - layout::LargeSize.width + window.width);
    if (!side.upper)
        result.top = clampToInt(std::int64_t { window.top } - layout::LargeSize.height + window.height);
    return result;
}

Rect settingsWinRect(const Rect &window, Size screen)
{
    Rect result { window.left, window.top, layout::SettingsSize.width, layout::SettingsSize.height };
    if (std::int64_t { screen.width } < std::int64_t { window.left } + layout::SettingsSize.width)
        result.left = screen.width - layout::SettingsSize.width;
    return result;
}

Rect keepOnFirstScreen(const Rect &window, Size screen)
{
    Rect result = window;
    if (result.top < 0 || result.top > screen.height)
        result.top = 5;
    if (result.left < 0 || result.left > screen.width)
        result.left = 0;
    return result;
}

} // namespace mainwindow
