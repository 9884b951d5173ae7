// Usage: kantrix_picture_raster drawing.svg|picture.png ratio picture.raw
// Renders an SVG drawing at its natural size times a device pixel ratio, as the window would draw
// it, or reads a PNG drawn by hand (at ratio 1), and writes it as a raw picture (raw_picture.h),
// so that the window shows its pictures in its first frame without parsing and rendering SVG,
// loading the fonts of its lettering, or decoding PNG at start. Run while building.

#include "raw_picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage rendered(const QString& source, int ratio)
{
    if (!source.endsWith(QLatin1String(".svg"))) {
        QImage picture(source);
        return ratio == 1 ? picture : QImage();
    }
    QSvgRenderer drawing(source);
    if (!drawing.isValid())
        return {};
    const QSize natural = drawing.defaultSize();
    QImage picture(natural * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    drawing.render(&painter, QRectF(QPointF(0, 0), natural));
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    // The lettering needs the font database, which needs an application object.
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: kantrix_picture_raster drawing.svg|picture.png ratio "
                             "picture.raw\n");
        return 2;
    }
    const int ratio = QString::fromLatin1(argv[2]).toInt();
    const QImage picture = ratio >= 1 ? rendered(QString::fromLocal8Bit(argv[1]), ratio) : QImage();
    if (picture.isNull()) {
        std::fprintf(stderr, "kantrix_picture_raster: %s: no picture to render at ratio %s\n",
                     argv[1], argv[2]);
        return 1;
    }
    QSaveFile output(QString::fromLocal8Bit(argv[3]));
    if (!output.open(QIODevice::WriteOnly) || !kantrix::writeRawPicture(picture, output) ||
        !output.flush() || !output.commit()) {
        std::fprintf(stderr, "kantrix_picture_raster: %s could not be written\n", argv[3]);
        return 1;
    }
    return 0;
}
