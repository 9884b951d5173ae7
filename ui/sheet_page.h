#pragma once

// What the bend, profile and box sheets share on paper: the face, the inks, lengths given in
// millimetres, the title and the footer. Header-only, as each sheet is drawn by a module of its
// own.

#include "bend_sheet.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRectF>
#include <QString>

namespace kantrix::sheet {

inline constexpr const char* textFamily = "Liberation Sans";
inline constexpr QColor ink{0, 0, 0};
inline constexpr QColor headingInk{0, 0, 160}; // the window's dark blue, a shade darker for paper
inline constexpr QColor ruleInk{120, 120, 120};

inline QFont sheetFont(double points, bool bold = false)
{
    QFont font(QString::fromLatin1(textFamily));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Lengths on the page in millimetres, turned into device units.
class PageUnits
{
public:
    explicit PageUnits(const QPaintDevice* device) : m_perMm(device->logicalDpiX() / 25.4) {}
    double operator()(double mm) const { return mm * m_perMm; }

private:
    double m_perMm;
};

// The title at `top` on the left, on its line the moment the sheet was made, and a rule under
// both; returns where the rule is.
inline double paintTitle(QPainter& painter, double left, double right, double top,
                         const QString& title, const QDateTime& made, const PageUnits& mm)
{
    painter.setPen(ink);
    const QFont font = sheetFont(20, true);
    painter.setFont(font);
    const double height = QFontMetricsF(font, painter.device()).height();
    painter.drawText(QRectF(left, top, right - left, height), Qt::AlignLeft | Qt::AlignBottom,
                     title);
    painter.setFont(sheetFont(10));
    painter.drawText(QRectF(left, top, right - left, height - mm(1)),
                     Qt::AlignRight | Qt::AlignBottom,
                     made.toString(QStringLiteral("dd.MM.yyyy, HH:mm 'Uhr'")));
    const double rule = top + height + mm(2);
    painter.setPen(QPen(ink, mm(0.4)));
    painter.drawLine(QPointF(left, rule), QPointF(right, rule));
    return rule;
}

// The footer under a rule at `top`: the program on the left, what the sheet works out on the right.
inline void paintFooter(QPainter& painter, double left, double right, double top,
                        const QString& subject, const PageUnits& mm)
{
    painter.setPen(QPen(ruleInk, mm(0.2)));
    painter.drawLine(QPointF(left, top), QPointF(right, top));
    painter.setFont(sheetFont(8.5));
    painter.setPen(ruleInk);
    const QRectF footer(left, top + mm(1.5), right - left, mm(6));
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignTop, programNameAndVersion());
    painter.drawText(footer, Qt::AlignRight | Qt::AlignTop, subject);
}

// One A4 page, drawn by paint(painter, page), as a complete PDF file with vector graphics and
// embedded fonts; empty if it could not be drawn.
template <typename Paint> QByteArray onePagePdf(const QString& title, const Paint& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(title);
        writer.setCreator(programNameAndVersion());
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        paint(painter, QRectF(0, 0, writer.width(), writer.height()));
        if (!painter.end())
            return {};
    }
    return bytes;
}

// The page, drawn by paint(painter, page), on a printer the user has set up; false if the printer
// failed.
template <typename Paint> bool printOnePage(QPrinter& printer, const Paint& paint)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paint(painter, QRectF(QPointF(0, 0), printer.paperRect(QPrinter::DevicePixel).size()));
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace kantrix::sheet
