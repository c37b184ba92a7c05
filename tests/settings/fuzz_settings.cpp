// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the settings reader: whatever the bytes, every value read is in range,
// the reader consumes a bounded prefix, what it read survives a write and a second read, and the
// saved position becomes a window wholly on a screen with no overflow on the way.

#include "mainwindow/window_layout.h"
#include "settings/settings_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using settings::Settings;

    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    const Settings s = settings::parseSettings(in);

    for (const int component : { s.red, s.green, s.blue })
        check(component >= 0 && component <= 255);
    check(s.mode >= 0 && s.mode <= 3);

    in.clear();
    const auto consumed = static_cast<std::size_t>(in.tellg());
    check(consumed <= size && consumed <= settings::kLineCount * (settings::kMaxLineBytes + 1));

    std::ostringstream out;
    settings::formatSettings(out, s);
    std::istringstream again(out.str());
    check(settings::parseSettings(again) == s);

    // The opening's placement of the calendar, frame included, among two screens.
    using mainwindow::Rect;
    const Rect screens[] = { { 0, 0, 1440, 900 }, { 1440, -200, 1024, 768 } };
    const mainwindow::Margins frame { 4, 24, 4, 4 };
    const Rect placed = mainwindow::openingRect(mainwindow::withinReach({ s.left, s.top, 102, 114 }), frame, screens);
    check(std::any_of(std::begin(screens), std::end(screens), [&](const Rect &screen) {
        return placed.left - frame.left >= screen.left && placed.top - frame.top >= screen.top
            && placed.left + placed.width + frame.right <= screen.left + screen.width
            && placed.top + placed.height + frame.bottom <= screen.top + screen.height;
    }));
    return 0;
}
