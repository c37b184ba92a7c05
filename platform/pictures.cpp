// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace platform
{

QPixmap ResourcePictures::picture(int resourceId, qreal devicePixelRatio) const
{
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(resourceId));
    if (!renderer.isValid())
        return {};
    const QSize size = renderer.defaultSize();
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(QSize(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio))));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace platform
