// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <array>

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

// The device pixel ratios each picture is drawn for when Lumo is built (from
// resources/pictures/<id>.svg), so that a start draws no SVG; a screen of
// another ratio gets the next larger drawing scaled down.
inline constexpr std::array<double, 5> PictureRatios { 1.0, 1.25, 1.5, 2.0, 3.0 };

// The resource of a picture drawn for one of PictureRatios:
// ":/pictures/168.png", ":/pictures/168@1.5x.png".
QString pictureResource(int resourceId, double ratio);

// Reads the pictures drawn at build time from the compiled-in resources.
class ResourcePictures final : public Pictures
{
public:
    QPixmap picture(int resourceId, qreal devicePixelRatio) const override;
};

} // namespace platform
