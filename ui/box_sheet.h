#pragma once

// The box sheet: one A4 portrait page for the shop, drawn like the profile sheet so that the same
// page goes to a printer and into a PDF file. Title, date and file name; the inputs; the blank's
// size set apart; a row per wall; the flat blank and the folded box as vector drawings side by
// side; the notes; a footer naming DIN 6935.

#include "box.h"
#include "box_calculation.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QPainter;
class QPrinter;
class QRectF;

namespace kantrix {

struct BoxSheet
{
    QDateTime made;
    QString fileName; // empty for a box not saved yet
    box::Box box;
    box::BoxResult result;
    QByteArray blank;  // SVG
    QByteArray folded; // SVG
};

BoxSheet boxSheetOf(const box::Box& box, const box::BoxResult& result, const QString& path,
                    const QDateTime& made);

void paintBoxSheet(QPainter& painter, const QRectF& paper, const BoxSheet& sheet);

// The sheet as a complete PDF file; empty if it could not be drawn.
QByteArray boxSheetPdf(const BoxSheet& sheet);

// False if the printer failed.
bool printBoxSheet(QPrinter& printer, const BoxSheet& sheet);

} // namespace kantrix
