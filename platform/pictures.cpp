// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures.h"

#include <algorithm>
#include <cmath>

namespace platform
{

QString pictureResource(int resourceId, double ratio)
{
    const QString id = QString::number(resourceId);
    if (ratio == 1.0)
        return QStringLiteral(":/pictures/%1.png").arg(id);
    return QStringLiteral(":/pictures/%1@%2x.png").arg(id, QString::number(ratio));
}

QPixmap ResourcePictures::picture(int resourceId, qreal devicePixelRatio) const
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const auto larger
        = std::find_if(PictureRatios.begin(), PictureRatios.end(), [ratio](double r) { return r >= ratio; });
    const double drawnFor = larger != PictureRatios.end() ? *larger : PictureRatios.back();
    QPixmap pixmap(pictureResource(resourceId, drawnFor));
    if (pixmap.isNull() || drawnFor == ratio) {
        pixmap.setDevicePixelRatio(ratio);
        return pixmap;
    }
    // The picture's own size, as the 1× drawing has it, at the screen's ratio.
    const QSize own = QPixmap(pictureResource(resourceId, 1.0)).size();
    QPixmap scaled = pixmap.scaled(int(std::ceil(own.width() * ratio)), int(std::ceil(own.height() * ratio)),
        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

} // namespace platform
