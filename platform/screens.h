// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>

namespace platform
{

// The connected screens, against which the main window keeps itself on screen
// and decides which side of its screen it is on.
class Screens
{
public:
    virtual ~Screens() = default;
    // The geometry of every connected screen in global coordinates, the first
    // (primary) screen first; empty when there is none.
    virtual QList<QRect> geometries() const = 0;
    // Whether the platform tells and honours where a window is. A Wayland
    // compositor places windows itself and tells a client nothing of it.
    virtual bool windowPositionKnown() const
    {
        return true;
    }
};

class QtScreens final : public Screens
{
public:
    QList<QRect> geometries() const override;
    bool windowPositionKnown() const override;
};

} // namespace platform
