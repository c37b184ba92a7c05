// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform
{

QList<QRect> QtScreens::geometries() const
{
    // Qt lists the primary screen first.
    QList<QRect> result;
    for (const QScreen *screen : QGuiApplication::screens())
        result.append(screen->geometry());
    return result;
}

bool QtScreens::windowPositionKnown() const
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace platform
