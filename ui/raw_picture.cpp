#include "raw_picture.h"

#include <QIODevice>
#include <QResource>

#include <array>
#include <cstdint>
#include <cstring>

namespace kantrix {

namespace {

using Header = std::array<std::uint32_t, 4>;
constexpr std::uint32_t magic = 0x5052584b; // "KXRP" read as a little-endian word

} // namespace

bool writeRawPicture(const QImage& image, QIODevice& device)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const Header header{magic, static_cast<std::uint32_t>(pixels.width()),
                        static_cast<std::uint32_t>(pixels.height()),
                        static_cast<std::uint32_t>(pixels.devicePixelRatio())};
    if (device.write(reinterpret_cast<const char*>(header.data()), sizeof header) !=
        qint64{sizeof header})
        return false;
    const qint64 rowBytes = qint64{pixels.width()} * 4;
    for (int y = 0; y < pixels.height(); ++y) {
        if (device.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes) !=
            rowBytes)
            return false;
    }
    return true;
}

QImage rawPicture(const QString& resource)
{
    const QResource file(resource);
    // A compressed resource would have to be inflated first, which is what this format avoids.
    if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression ||
        file.size() < qint64{sizeof(Header)})
        return {};
    Header header;
    std::memcpy(header.data(), file.data(), sizeof header);
    const auto [fileMagic, width, height, ratio] = header;
    if (fileMagic != magic || width == 0 || height == 0 || width > 8192 || height > 8192 ||
        ratio < 1 || ratio > 8 ||
        file.size() != qint64{sizeof header} + qint64{width} * qint64{height} * 4)
        return {};

    const uchar* pixels = file.data() + sizeof header;
    QImage image(pixels, static_cast<int>(width), static_cast<int>(height),
                 static_cast<qsizetype>(width) * 4, QImage::Format_ARGB32_Premultiplied);
    // Pixels are read as 32-bit words; where the resource compiler did not align them, a copy is.
    if (reinterpret_cast<quintptr>(pixels) % alignof(std::uint32_t) != 0)
        image = image.copy();
    image.setDevicePixelRatio(ratio);
    return image;
}

QString renderedPicture(const QString& svgResource, int ratio)
{
    return QStringLiteral(":/rendered/%1@%2x.raw").arg(svgResource.mid(2)).arg(ratio);
}

} // namespace kantrix
