#include "picture_box.h"

#include "raw_picture.h"

#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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

PictureBox::PictureBox(const QString& svgResource, QWidget* parent)
    : QFrame(parent), m_source(svgResource)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);

    // A rendered picture tells its size; the SVG is read only where none was rendered.
    m_cache = rawPicture(renderedPicture(svgResource, 1));
    m_imageSize = m_cache.size();
    if (m_imageSize.isEmpty())
        m_imageSize = naturalSvgSize(svgResource);
    m_imageValid = !m_imageSize.isEmpty();
    if (!m_imageValid)
        qWarning("Kantrix: picture %s could not be loaded", qPrintable(svgResource));
}

// The image is drawn as it is: a raw picture straight from the program's memory, without a copy.
const QImage& PictureBox::imageFor(qreal devicePixelRatio)
{
    if (m_cache.isNull() || m_cache.devicePixelRatio() != devicePixelRatio) {
        QImage image;
        if (devicePixelRatio == 1 || devicePixelRatio == 2)
            image = rawPicture(renderedPicture(m_source, static_cast<int>(devicePixelRatio)));
        if (image.isNull()) {
            image = renderSvg(m_source, m_imageSize * devicePixelRatio);
            image.setDevicePixelRatio(devicePixelRatio);
        }
        m_cache = image;
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
        painter.drawImage(client.topLeft(), imageFor(painter.device()->devicePixelRatioF()));
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
