#include "svg_view.h"

#include <QFontInfo>
#include <QPainter>
#include <QSvgRenderer>

#include <exception>

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
    m_draw = nullptr;
    m_svg = svg;
    m_shown = svg;
    m_why = svg.isEmpty() ? why : QString();
    m_renderer->load(svg);
    update();
}

void SvgView::show(DrawingAt draw)
{
    m_svg = QByteArray::fromStdString(draw(0));
    m_draw = std::move(draw);
    m_shown = m_svg;
    m_why.clear();
    fit();
    update();
}

void SvgView::setStale(bool stale)
{
    if (stale == m_stale)
        return;
    m_stale = stale;
    update();
}

QRectF SvgView::room() const
{
    return QRectF(rect()).adjusted(6, 6, -6, -6);
}

void SvgView::fit()
{
    if (!m_draw)
        return;
    // The drawing as written is in the range of its numbers; should larger texts leave it, the
    // last one shown stays.
    try {
        m_shown = fittedSvg(m_draw, room().size(), QFontInfo(font()).pixelSize());
    } catch (const std::exception&) {
    }
    m_renderer->load(m_shown);
}

void SvgView::resizeEvent(QResizeEvent*)
{
    fit();
}

void SvgView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF room = this->room();
    if (m_shown.isEmpty() || !m_renderer->isValid()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, m_why);
        return;
    }
    const double scale = fittedScale(m_renderer->viewBoxF().size(), room.size());
    if (!(scale > 0))
        return;
    const QSizeF fitted = m_renderer->viewBoxF().size() * scale;
    const QRectF target(room.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_stale)
        painter.setOpacity(0.35);
    m_renderer->render(&painter, target);
}

} // namespace kantrix
