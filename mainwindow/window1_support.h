// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the calendar window's source files.
#pragma once

#include "mainwindow/month_grid.h"
#include "mainwindow/window_layout.h"
#include "settings/settings_store.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <algorithm>

namespace mainwindow
{

inline QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

inline QColor toQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// A colour of the store as the toolkit's; a hand-edited component beyond 0..255
// is shown at the nearest end.
inline QColor toQColor(settings::Colour colour)
{
    const auto component = [](int value) { return std::clamp(value, 0, 255); };
    return QColor(component(colour.red), component(colour.green), component(colour.blue));
}

inline void place(QWidget *widget, const Rect &rect)
{
    widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

} // namespace mainwindow
