// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace platform
{

// The application's tile: the Dock tile on macOS, the window icon and a tray
// icon elsewhere. Shows a composed 128 x 128 picture, or Lumo's normal icon.
class DockTile
{
public:
    virtual ~DockTile() = default;
    // Shows the picture; toolTip describes it in words where the platform shows one.
    virtual void UpdateNow(const QImage &tile, const QString &toolTip) = 0;
    // Goes back to the normal application icon.
    virtual void ResetIcon() = 0;
};

} // namespace platform
