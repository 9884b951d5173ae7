#pragma once

// The window's pictures as the build leaves them: pixels ready to draw, rendered from their SVG
// (or read from their PNG) by kantrix_picture_raster and built into the program uncompressed, so
// that the first frame neither parses SVG nor inflates and decodes PNG. A raw picture is a header
// of four 32-bit words in the machine's byte order (the magic "KXRP", width, height, device pixel
// ratio), then width × height pixels of QImage::Format_ARGB32_Premultiplied, row by row.

#include <QImage>
#include <QString>

class QIODevice;

namespace kantrix {

// Writes `image` as a raw picture; false if the device refused.
bool writeRawPicture(const QImage& image, QIODevice& device);

// The raw picture of the resources at `resource`, drawn straight from the program's own memory;
// a null image if there is none or it is not a whole raw picture.
QImage rawPicture(const QString& resource);

// The picture rendered while building from an SVG of the resources, at a device pixel ratio of 1
// or 2.
QString renderedPicture(const QString& svgResource, int ratio);

} // namespace kantrix
