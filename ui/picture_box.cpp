#include "picture_box.h"

#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <utility>

namespace kantrix {

namespace {

// The SVG itself is read by Qt's SVG image plug-in, which is loaded only when this is first needed.

QSize naturalSvgSize(const QString& svgResource)
{
    QImageReader reader(svgResource, "svg");
    reader.setAutoDetectImageFormat(false);
    return reader.canRead() ? reader.size() : QSize();
}

QImage renderSvg(const QString& svgResource, const QSize& size)
{
    QImageReader reader(svgResource, "svg");
    reader.setAutoDetectImageFormat(false);
    reader.setScaledSize(size);
    return reader.read();
}

} // namespace

QImage readPng(const QString& resource)
{
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QString renderedPicture(const QString& svgResource, int ratio)
{
    return QStringLiteral(":/rendered/%1@%2x.png").arg(svgResource.mid(2)).arg(ratio);
}

PictureBox::PictureBox(const QString& svgResource, QWidget* parent)
    : QFrame(parent), m_source(svgResource)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);

    // A rendered picture tells its size from its header; the SVG is read only where none was
    // rendered.
    QImageReader rendered(renderedPicture(svgResource, 1), "png");
    rendered.setAutoDetectImageFormat(false);
    m_imageSize = rendered.size();
    if (!m_imageSize.isValid())
        m_imageSize = naturalSvgSize(svgResource);
    m_imageValid = !m_imageSize.isEmpty();
    if (!m_imageValid)
        qWarning("Kantrix: picture %s could not be loaded", qPrintable(svgResource));
}

const QPixmap& PictureBox::pixmapFor(qreal devicePixelRatio)
{
    if (m_cache.isNull() || m_cache.devicePixelRatio() != devicePixelRatio) {
        QImage image;
        if (devicePixelRatio == 1 || devicePixelRatio == 2)
            image = readPng(renderedPicture(m_source, static_cast<int>(devicePixelRatio)));
        if (image.isNull())
            image = renderSvg(m_source, m_imageSize * devicePixelRatio);
        m_cache = QPixmap::fromImage(std::move(image));
        m_cache.setDevicePixelRatio(devicePixelRatio);
    }
    return m_cache;
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    if (m_imageValid)
        painter.drawPixmap(client.topLeft(), pixmapFor(painter.device()->devicePixelRatioF()));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = client.adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureBox::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    update();
}

} // namespace kantrix
