// SPDX-License-Identifier: GPL-3.0-or-later
// Fakes of the platform services: a clock, screens, pictures, a colour picker and a tile.
#include "fakes.h"

#include <QPainter>
#include <algorithm>

namespace testing_support
{

namespace
{

    QSize pictureSize(int id)
    {
        if (id == 178 || id == 179)
            return { 16, 15 };
        if (id >= 180 && id <= 183)
            return { 10, 10 };
        if (id == 184)
            return { 32, 32 };
        return { 22, 15 };
    }

} // namespace

QPixmap FakePictures::picture(int resourceId, qreal devicePixelRatio) const
{
    reads.push_back(resourceId);
    if (std::find(missing.begin(), missing.end(), resourceId) != missing.end())
        return {};
    const QSize size = pictureSize(resourceId);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    // A colour per picture, so that a test can tell which one is shown.
    pixmap.fill(QColor::fromHsv((resourceId * 37) % 360, 200, 200));
    return pixmap;
}

bool FakeColorPicker::SelectColor(QColor &colour, const QString &prompt, const Preview &preview)
{
    prompts.push_back(prompt);
    for (const QColor &shown : previews)
        preview(shown);
    if (whileOpen)
        whileOpen();
    if (!answer)
        return false;
    colour = *answer;
    return true;
}

} // namespace testing_support
