// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures.h"

#include <QFile>
#include <gtest/gtest.h>

namespace
{

constexpr int PictureIds[] = { 168, 169, 170, 171, 172, 174, 175, 176, 177, 178, 179, 180, 181, 182, 183, 184 };

TEST(Pictures, EveryPictureIsBuiltForEveryRatio)
{
    for (const int id : PictureIds)
        for (const double ratio : platform::PictureRatios)
            EXPECT_TRUE(QFile::exists(platform::pictureResource(id, ratio))) << id << " at " << ratio;
}

// Whatever the screen's ratio, a picture keeps its own size in the window.
TEST(Pictures, APictureKeepsItsSizeOnEveryScreen)
{
    const platform::ResourcePictures pictures;
    const QSize own = pictures.picture(168, 1.0).size();
    ASSERT_EQ(own, QSize(22, 15));
    for (const double ratio : { 1.25, 1.7, 2.0, 4.0 }) {
        const QPixmap pixmap = pictures.picture(168, ratio);
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), own) << ratio;
        EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
    }
    // A ratio drawn at build time is used as drawn, not scaled from another.
    EXPECT_EQ(pictures.picture(168, 2.0).toImage().convertToFormat(QImage::Format_ARGB32),
        QImage(platform::pictureResource(168, 2.0)).convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(pictures.picture(173, 1.0).isNull());
}

} // namespace
