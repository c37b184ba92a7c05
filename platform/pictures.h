// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

namespace platform
{

// The application's pictures, by resource ID. A picture that does not exist
// comes back as a null QPixmap.
class Pictures
{
public:
    virtual ~Pictures() = default;
    // Renders the picture for a screen of the given device pixel ratio; the
    // result's device-independent size is the picture's own size.
    virtual QPixmap picture(int resourceId, qreal devicePixelRatio) const = 0;
};

// Reads ":/pictures/<id>.svg" from the compiled-in resources.
class ResourcePictures final : public Pictures
{
public:
    QPixmap picture(int resourceId, qreal devicePixelRatio) const override;
};

} // namespace platform
