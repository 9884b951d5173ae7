#pragma once

// The profile sheet: one A4 portrait page for the shop, drawn like the bend sheet with QPainter so
// that the same page goes to a printer and into a PDF file. Title, date and file name; the
// library's section and flat blank as vector drawings, the bend lines with their positions from
// the left end; the table of legs and bends; L and W set apart; the notes; a footer naming
// DIN 6935.

#include "profile.h"
#include "profile_calculation.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QPainter;
class QPrinter;
class QRectF;

namespace kantrix {

struct ProfileSheet
{
    QDateTime made;
    QString fileName; // empty for a profile not saved yet
    profile::Profile profile;
    profile::ProfileResult result;
    QByteArray section; // SVG
    QByteArray blank;   // SVG; empty without a width
};

ProfileSheet profileSheetOf(const profile::Profile& profile, const profile::ProfileResult& result,
                            const QString& path, const QDateTime& made);

void paintProfileSheet(QPainter& painter, const QRectF& paper, const ProfileSheet& sheet);

// The sheet as a complete PDF file; empty if it could not be drawn.
QByteArray profileSheetPdf(const ProfileSheet& sheet);

// False if the printer failed.
bool printProfileSheet(QPrinter& printer, const ProfileSheet& sheet);

} // namespace kantrix
