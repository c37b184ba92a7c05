// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the button pictures and the application icon into PNGs at build time,
// so that a start reads small PNGs instead of parsing and drawing SVG; the
// installed hicolor icons come from it too.
//
// Usage: render_pictures <input.svg> <output-folder> <name>
//          writes <name>.png, <name>@1.25x.png, ... for each of PictureRatios,
//          each the picture's own size times the ratio
//        render_pictures --square <input.svg> <output.png> <size>
//          the picture stretched over a square of size × size

#include "platform/pictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

// Drawn as the running program drew them: no render hints beyond the SVG's own.
bool draw(QSvgRenderer &renderer, QSize size, const QString &output)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    if (image.save(output, "PNG"))
        return true;
    std::fprintf(stderr, "render_pictures: cannot write %s\n", qPrintable(output));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    const bool square = argc == 5 && std::strcmp(argv[1], "--square") == 0;
    if (argc != 4 && !square) {
        std::fputs("Usage: render_pictures <input.svg> <output-folder> <name>\n"
                   "       render_pictures --square <input.svg> <output.png> <size>\n",
            stderr);
        return 2;
    }
    const char *const input = argv[square ? 2 : 1];
    QSvgRenderer renderer(QString::fromLocal8Bit(input));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_pictures: cannot read %s\n", input);
        return 1;
    }
    if (square) {
        const int side = std::atoi(argv[4]); // [1, 1024]
        if (side < 1 || side > 1024) {
            std::fprintf(stderr, "render_pictures: bad size '%s'\n", argv[4]);
            return 2;
        }
        return draw(renderer, QSize(side, side), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    const int id = std::atoi(argv[3]);
    const QSize own = renderer.defaultSize();
    for (const double ratio : platform::PictureRatios) {
        const QSize size(int(std::ceil(own.width() * ratio)), int(std::ceil(own.height() * ratio)));
        const QString name = platform::pictureResource(id, ratio).section(QLatin1Char('/'), -1);
        if (!draw(renderer, size, folder.filePath(name)))
            return 1;
    }
    return 0;
}
