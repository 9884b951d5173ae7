#include "picture_box.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

namespace kantrix {

PictureBox::PictureBox(const QString& svgResource, QWidget* parent)
    : QFrame(parent), m_renderer(new QSvgRenderer(svgResource, this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);

    m_imageValid = m_renderer->isValid();
    m_imageSize = m_renderer->defaultSize();
    if (!m_imageValid)
        qWarning("Kantrix: picture %s could not be loaded", qPrintable(svgResource));
}

const QPixmap& PictureBox::pixmapFor(qreal devicePixelRatio)
{
    if (m_cache.isNull() || m_cache.devicePixelRatio() != devicePixelRatio) {
        m_cache = QPixmap(m_imageSize * devicePixelRatio);
        m_cache.setDevicePixelRatio(devicePixelRatio);
        m_cache.fill(Qt::transparent);
        QPainter painter(&m_cache);
        m_renderer->render(&painter, QRectF(QPointF(0, 0), m_imageSize));
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
