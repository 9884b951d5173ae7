#include "elided_label.h"

#include <QFontMetrics>

namespace kantrix {

namespace {

// What the frame and the margins take from the label's width.
int chrome(const QLabel& label)
{
    return 2 * label.frameWidth() + 2 * label.margin() + label.contentsMargins().left() +
           label.contentsMargins().right();
}

} // namespace

void ElidedLabel::setWholeText(const QString& text)
{
    m_whole = text;
    elide();
    updateGeometry();
}

void ElidedLabel::setLeastText(const QString& text)
{
    m_least = text;
    updateGeometry();
}

QSize ElidedLabel::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(m_whole) + chrome(*this) + 1,
            QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(m_least) + chrome(*this) + 1,
            QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide()
{
    const int room = width() - chrome(*this);
    const QString shown = fontMetrics().elidedText(m_whole, Qt::ElideRight, room);
    if (shown != text())
        QLabel::setText(shown);
    setToolTip(shown == m_whole ? QString() : m_whole);
}

} // namespace kantrix
