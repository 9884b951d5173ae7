#include "svg_view.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kantrix {

SvgView::SvgView(QWidget* parent) : QWidget(parent), m_renderer(new QSvgRenderer(this))
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    setPalette(paper);
}

void SvgView::show(const QByteArray& svg, const QString& why)
{
    m_svg = svg;
    m_why = svg.isEmpty() ? why : QString();
    m_renderer->load(svg);
    update();
}

void SvgView::setStale(bool stale)
{
    if (stale == m_stale)
        return;
    m_stale = stale;
    update();
}

void SvgView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF room = QRectF(rect()).adjusted(6, 6, -6, -6);
    if (m_svg.isEmpty() || !m_renderer->isValid()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, m_why);
        return;
    }
    const QSizeF natural = m_renderer->viewBoxF().size();
    if (natural.isEmpty())
        return;
    const QSizeF fitted = natural.scaled(room.size(), Qt::KeepAspectRatio);
    const QRectF target(room.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_stale)
        painter.setOpacity(0.35);
    m_renderer->render(&painter, target);
}

} // namespace kantrix
