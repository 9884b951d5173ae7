#include "box_sheet.h"

#include "box_answer.h"
#include "box_drawing.h"
#include "box_model.h"
#include "number_text.h"
#include "profile_model.h"
#include "sheet_parts.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>

namespace kantrix {

namespace {

using namespace sheet;

QString millimetres(double value)
{
    return shownLength(value) + QStringLiteral(" mm");
}

QStringList inputLines(const box::Box& part, const box::BoxResult& result)
{
    QStringList lines;
    lines << QStringLiteral(
                 "Blechdicke s = %1 mm    Biegeradius r = %2 mm    A = %3 %4    B = %5 %6")
                 .arg(shownTwoDecimals(part.thickness), shownTwoDecimals(part.radius),
                      millimetres(part.length), measureCaption(part.lengthMeasure),
                      millimetres(part.width), measureCaption(part.widthMeasure));
    QString corners =
        QStringLiteral("Ecken %1").arg(QString::fromLatin1(box::cornerStyleName(part.corners)));
    if (part.corners == box::CornerStyle::Stumpf)
        corners += QStringLiteral(", durchgehend %1, Spalt g = %2 mm")
                       .arg(QString::fromLatin1(box::throughName(part.through)),
                            shownTwoDecimals(part.gap));
    corners +=
        QStringLiteral(", Freistich %1").arg(QString::fromLatin1(box::reliefName(part.relief)));
    if (part.relief == box::Relief::Rund)
        corners += QStringLiteral(" d = %1 mm").arg(shownTwoDecimals(part.reliefDiameter));
    lines << corners;
    if (part.hasPressData()) {
        QString material =
            part.material
                ? QStringLiteral("Werkstoff %1").arg(QString::fromStdString(part.material->name))
                : QStringLiteral("Werkstoff keiner");
        material += part.rolling == press::RollingDirection::Laengs
                        ? QStringLiteral(", Biegelinien vorne und hinten längs zur Walzrichtung")
                        : QStringLiteral(", Biegelinien vorne und hinten quer zur Walzrichtung");
        lines << material;
        QString tools = part.die ? QStringLiteral("Matrize V = %1").arg(millimetres(*part.die))
                                 : QStringLiteral("Matrize keine");
        tools += part.pressLimit
                     ? QStringLiteral(", Presse %1 kN").arg(shownForce(*part.pressLimit))
                     : QStringLiteral(", Presse ohne Grenze");
        if (result.largestForce)
            tools +=
                QStringLiteral(", größte Kraft F = %1 kN").arg(shownForce(*result.largestForce));
        lines << tools;
    }
    return lines;
}

} // namespace

BoxSheet boxSheetOf(const box::Box& part, const box::BoxResult& result, const QString& path,
                    const QDateTime& made)
{
    BoxSheet sheet;
    sheet.made = made;
    sheet.fileName = path.isEmpty() ? QString() : QFileInfo(path).fileName();
    sheet.box = part;
    sheet.result = result;
    sheet.blank = QByteArray::fromStdString(box::blankSvg(part, result));
    sheet.folded = QByteArray::fromStdString(box::foldedSvg(part, result));
    return sheet;
}

void paintBoxSheet(QPainter& painter, const QRectF& paper, const BoxSheet& sheet)
{
    const PageUnits mm(painter.device());
    const box::Box& part = sheet.box;
    const box::BoxResult& result = sheet.result;
    const double left = paper.left() + mm(20);
    const double right = paper.right() - mm(20);
    const double footerTop = paper.bottom() - mm(17);
    double y = paper.top() + mm(18);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    y = paintTitle(painter, left, right, y, QStringLiteral("Kastenblatt"), sheet.made, mm) + mm(2);

    painter.setPen(ink);
    const QFont plain = sheetFont(10);
    painter.setFont(plain);
    const double line = QFontMetricsF(plain, painter.device()).height();
    QStringList lines;
    lines << QStringLiteral("Datei: %1    %2")
                 .arg(sheet.fileName.isEmpty() ? QStringLiteral("(nicht gespeichert)")
                                               : sheet.fileName,
                      QString::fromStdString(box::boxBaseName(part)));
    lines << inputLines(part, result);
    for (const QString& text : lines) {
        painter.drawText(QRectF(left, y, right - left, line), Qt::AlignLeft, text);
        y += line;
    }
    y += mm(3);

    // The blank's size set apart, on the orange of the window's key results.
    const QRectF keyBox = paintKeyBand(painter, left, right, y, mm);
    painter.drawText(keyBox, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Zuschnitt %1 × %2")
                         .arg(shownLength(result.blankLength()), millimetres(result.blankWidth())));
    QString aside = QStringLiteral("Fläche %1 mm²")
                        .arg(QString::fromStdString(FormatNumber(result.area, "# ##0.0")));
    if (result.mass)
        aside += QStringLiteral(", Masse %1 kg")
                     .arg(QString::fromStdString(FormatNumber(*result.mass, threeDecimals)));
    painter.setFont(sheetFont(10, true));
    painter.drawText(keyBox, Qt::AlignRight | Qt::AlignVCenter, aside);
    y += keyBox.height() + mm(4);

    Table walls{{QStringLiteral("Wand"), QStringLiteral("Höhe H"), QStringLiteral("Maß"),
                 QStringLiteral("Biegelinie"), QStringLiteral("Biegelänge"), QStringLiteral("k"),
                 QStringLiteral("Kraft kN"), QStringLiteral("kl. Schenkel"),
                 QStringLiteral("Winkel °")},
                {17, 18, 13, 21, 21, 13, 17, 22, 16},
                {}};
    for (box::Side side : box::allSides) {
        const std::optional<box::WallResult>& wall = result.wall(side);
        if (!wall)
            continue;
        const profile::ProfileResult* section = sectionOf(result, side);
        const profile::BendResult* bend =
            section && wall->bend < section->bends.size() ? &section->bends[wall->bend] : nullptr;
        walls.rows.push_back(
            {QString::fromLatin1(box::sideName(side)), shownLength(wall->given),
             measureCaption(part.wall(side)->measure), shownLength(wall->bendLine),
             shownLength(wall->bendLength), bend ? shownLength(bend->k) : QStringLiteral("–"),
             orDash(wall->force, shownForce), orDash(wall->leastFlange, shownLength),
             orDash(wall->setAngle, shownTwoDecimals)});
    }
    const double rowHeight = mm(5);
    paintTable(painter, left, y, walls, rowHeight, sheetFont(9), mm);
    y += rowHeight * static_cast<double>(walls.rows.size() + 1) + mm(4);

    // The notes take their lines under the drawings; the drawings what is left.
    const QFont noteFont = sheetFont(9);
    const double noteLine = QFontMetricsF(noteFont, painter.device()).height();
    QStringList notes;
    for (const std::string& note : result.notes)
        notes << QStringLiteral("– ") + QString::fromStdString(note);
    if (notes.isEmpty())
        notes << QStringLiteral("Keine Hinweise.");
    const QString noteText = notes.join(QLatin1Char('\n'));
    const QRectF noteRoom =
        QFontMetricsF(noteFont, painter.device())
            .boundingRect(QRectF(left, 0, right - left, 10000), Qt::TextWordWrap, noteText);
    const double notesHeight = noteLine + noteRoom.height() + mm(3);
    const double half = (right - left - mm(6)) / 2;
    // Side by side the drawings are as tall as they need to be at their width, and no taller.
    const double drawingHeight =
        std::max(mm(40), std::min(half * 0.9, footerTop - y - notesHeight - mm(4)));
    paintDrawing(
        painter, QRectF(left, y, half, drawingHeight), sheet.blank,
        [&](double textHeight) { return box::blankSvg(part, result, {textHeight}); },
        QStringLiteral("Zuschnitt mit Biegelinien"), QString(), mm);
    paintDrawing(
        painter, QRectF(left + half + mm(6), y, half, drawingHeight), sheet.folded,
        [&](double textHeight) { return box::foldedSvg(part, result, {textHeight}); },
        QStringLiteral("Gefalteter Kasten"), QString(), mm);
    y += drawingHeight + mm(4);

    painter.setPen(headingInk);
    painter.setFont(sheetFont(10, true));
    painter.drawText(QRectF(left, y, right - left, noteLine), Qt::AlignLeft,
                     QStringLiteral("Hinweise"));
    y += noteLine;
    painter.setPen(ink);
    painter.setFont(noteFont);
    painter.drawText(QRectF(left, y, right - left, footerTop - y), Qt::TextWordWrap, noteText);

    paintFooter(painter, left, right, footerTop,
                QStringLiteral("Abwicklung nach DIN 6935, Zuschnitt des Kastens"), mm);
    painter.restore();
}

QByteArray boxSheetPdf(const BoxSheet& sheet)
{
    return onePagePdf(
        QStringLiteral("Kastenblatt"),
        [&sheet](QPainter& painter, const QRectF& page) { paintBoxSheet(painter, page, sheet); });
}

bool printBoxSheet(QPrinter& printer, const BoxSheet& sheet)
{
    return printOnePage(printer, [&sheet](QPainter& painter, const QRectF& page) {
        paintBoxSheet(painter, page, sheet);
    });
}

} // namespace kantrix
