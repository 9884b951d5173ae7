#include "sheet_parts.h"

#include "profile_model.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>

#include <exception>

namespace kantrix::sheet {

QRectF paintKeyBand(QPainter& painter, double left, double right, double top, const PageUnits& mm)
{
    const QFont key = sheetFont(12, true);
    const double height = QFontMetricsF(key, painter.device()).height() + mm(3);
    painter.fillRect(QRectF(left, top, right - left, height), keyResultOrange());
    painter.setFont(key);
    return QRectF(left + mm(3), top, right - left - mm(6), height);
}

// A drawing of the library in a framed box, to scale within it and centred, written again for
// the box so that its texts print at a size one reads on the shop floor.
void paintDrawing(QPainter& painter, const QRectF& box, const QByteArray& svg,
                  const DrawingAt& draw, const QString& caption, const QString& absent,
                  const PageUnits& mm)
{
    painter.setPen(headingInk);
    painter.setFont(sheetFont(10, true));
    const QRectF heading(box.left(), box.top(), box.width(), mm(6));
    painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter, caption);
    const QRectF frame = box.adjusted(0, mm(6.5), 0, 0);
    painter.setPen(QPen(ruleInk, mm(0.2)));
    painter.drawRect(frame);
    const QRectF room = frame.adjusted(mm(3), mm(3), -mm(3), -mm(3));
    QByteArray shown = svg;
    if (!svg.isEmpty()) {
        // Capitals 2.5 mm high, the height of ISO 3098-1's series that drawings on A4 commonly
        // give their dimensions; those of Liberation Sans are 0.72 of its size.
        try {
            shown = fittedSvg(draw, room.size(), mm(2.5 / 0.72));
        } catch (const std::exception&) {
            // As written for the files, the drawing stays in the range of its numbers.
        }
    }
    QSvgRenderer renderer(shown);
    // The drawing's texts take the painter's font for what the SVG leaves open, the weight too.
    painter.setFont(sheetFont(10));
    if (shown.isEmpty() || !renderer.isValid()) {
        painter.setPen(ruleInk);
        painter.drawText(room, Qt::AlignCenter, absent);
        return;
    }
    const QSizeF fitted = renderer.viewBoxF().size().scaled(room.size(), Qt::KeepAspectRatio);
    renderer.render(&painter,
                    QRectF(room.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted));
}

void paintTable(QPainter& painter, double left, double top, const Table& table, double rowHeight,
                const QFont& font, const PageUnits& mm)
{
    const QFont bold = [&] {
        QFont heading = font;
        heading.setBold(true);
        return heading;
    }();
    double width = 0;
    for (double column : table.widths)
        width += mm(column);
    const auto paintRow = [&](double y, const QStringList& cells) {
        double x = left;
        for (std::size_t i = 0; i < table.widths.size(); ++i) {
            const QRectF box(x + mm(1), y, mm(table.widths[i]) - mm(2), rowHeight);
            painter.drawText(box, (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                             cells.value(static_cast<qsizetype>(i)));
            x += mm(table.widths[i]);
        }
    };
    painter.setPen(headingInk);
    painter.setFont(bold);
    paintRow(top, table.headings);
    painter.setPen(QPen(headingInk, mm(0.25)));
    painter.drawLine(QPointF(left, top + rowHeight), QPointF(left + width, top + rowHeight));
    painter.setPen(ink);
    painter.setFont(font);
    double y = top + rowHeight;
    for (const QStringList& row : table.rows) {
        paintRow(y, row);
        y += rowHeight;
    }
}

} // namespace kantrix::sheet
