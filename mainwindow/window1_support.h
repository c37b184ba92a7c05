// Small helpers shared by the calendar window's source files.
#pragma once

#include "mainwindow/month_grid.h"

#include <QColor>
#include <QString>

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

} // namespace mainwindow
