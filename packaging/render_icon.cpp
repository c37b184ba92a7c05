// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the scalable application icon into one square PNG at build time,
// so the hicolor theme gets its fixed sizes without committed pictures.
//
// Usage: render_icon <input.svg> <output.png> <size>

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fputs("Usage: render_icon <input.svg> <output.png> <size>\n", stderr);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    char *end = nullptr;
    const long size = std::strtol(argv[3], &end, 10); // [1, 1024]
    if (end == argv[3] || *end != '\0' || size < 1 || size > 1024) {
        std::fprintf(stderr, "render_icon: bad size '%s'\n", argv[3]);
        return 2;
    }

    QSvgRenderer renderer(input);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }

    const int side = static_cast<int>(size);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        // The painter must end before the image is saved.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
