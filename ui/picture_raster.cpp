// Usage: kantrix_picture_raster drawing.svg ratio picture.png
// Renders an SVG drawing at its natural size times a device pixel ratio into a PNG, as the window
// would draw it, so that the window shows its pictures in its first frame without parsing and
// rendering SVG (and loading the fonts of its lettering) at start. Run while building.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The lettering needs the font database, which needs an application object.
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: kantrix_picture_raster drawing.svg ratio picture.png\n");
        return 2;
    }
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    const int ratio = QString::fromLatin1(argv[2]).toInt();
    if (!drawing.isValid() || ratio < 1) {
        std::fprintf(stderr, "kantrix_picture_raster: %s: no drawing to render\n", argv[1]);
        return 1;
    }
    const QSize natural = drawing.defaultSize();
    QImage picture(natural * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    drawing.render(&painter, QRectF(QPointF(0, 0), natural));
    painter.end();
    if (!picture.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "kantrix_picture_raster: %s could not be written\n", argv[3]);
        return 1;
    }
    return 0;
}
