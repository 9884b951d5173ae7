#pragma once

// The pieces the profile and the box sheets draw alike: the band of the key results, a library
// drawing framed under its caption, and a table with a heading row.

#include "fitted_drawing.h"
#include "sheet_page.h"

#include <QStringList>

#include <vector>

namespace kantrix::sheet {

// The band at `top` on the orange of the window's key results, in their font; returns the room
// for their texts within it.
QRectF paintKeyBand(QPainter& painter, double left, double right, double top, const PageUnits& mm);

// A drawing of the library in a framed box, to scale within it and centred, written again by
// `draw` so that its texts print at a size one reads on the shop floor; `absent` where there is
// none (an empty `svg`).
void paintDrawing(QPainter& painter, const QRectF& box, const QByteArray& svg,
                  const DrawingAt& draw, const QString& caption, const QString& absent,
                  const PageUnits& mm);

struct Table
{
    QStringList headings;
    std::vector<double> widths; // mm, the first column left-aligned, the others right
    std::vector<QStringList> rows;
};

void paintTable(QPainter& painter, double left, double top, const Table& table, double rowHeight,
                const QFont& font, const PageUnits& mm);

} // namespace kantrix::sheet
