#include "profile_sheet.h"

#include "bend_sheet.h"
#include "fitted_drawing.h"
#include "number_text.h"
#include "profile_drawing.h"
#include "profile_model.h"
#include "sheet_page.h"
#include "sheet_parts.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgRenderer>

#include <algorithm>
#include <exception>

namespace kantrix {

namespace {

using namespace sheet;

QString millimetres(double value)
{
    return shownLength(value) + QStringLiteral(" mm");
}

} // namespace

ProfileSheet profileSheetOf(const profile::Profile& profile, const profile::ProfileResult& result,
                            const QString& path, const QDateTime& made)
{
    ProfileSheet sheet;
    sheet.made = made;
    sheet.fileName = path.isEmpty() ? QString() : QFileInfo(path).fileName();
    sheet.profile = profile;
    sheet.result = result;
    sheet.section = QByteArray::fromStdString(profile::sectionSvg(profile, result));
    if (profile.width)
        sheet.blank = QByteArray::fromStdString(profile::blankSvg(profile, result));
    return sheet;
}

namespace {

// The two lines of the press brake under the thickness: material, die, press and force.
QStringList pressLines(const profile::Profile& part, const profile::ProfileResult& result)
{
    const QString along = part.rolling == press::RollingDirection::Laengs ? QStringLiteral("längs")
                                                                          : QStringLiteral("quer");
    QString material = QStringLiteral("Werkstoff keiner");
    if (part.material) {
        material = QStringLiteral("Werkstoff %1").arg(QString::fromStdString(part.material->name));
        if (part.material->number)
            material += QStringLiteral(" (%1)").arg(QString::fromStdString(*part.material->number));
        if (result.tensileStrength)
            material +=
                QStringLiteral(", Rm = %1 N/mm²")
                    .arg(QString::fromStdString(FormatNumber(*result.tensileStrength, "# ##0")));
    }
    material += QStringLiteral(", Biegelinie %1 zur Walzrichtung").arg(along);
    QString tools = part.die ? QStringLiteral("Matrize V = %1").arg(millimetres(*part.die))
                             : QStringLiteral("Matrize keine");
    if (result.suggestedDie)
        tools += QStringLiteral(" (empfohlen V = %1)").arg(millimetres(*result.suggestedDie));
    tools += part.pressLimit ? QStringLiteral(", Presse %1 kN").arg(shownForce(*part.pressLimit))
                             : QStringLiteral(", Presse ohne Grenze");
    if (result.largestForce)
        tools += QStringLiteral(", größte Kraft F = %1 kN").arg(shownForce(*result.largestForce));
    return {material, tools};
}

} // namespace

void paintProfileSheet(QPainter& painter, const QRectF& paper, const ProfileSheet& sheet)
{
    const PageUnits mm(painter.device());
    const profile::Profile& part = sheet.profile;
    const profile::ProfileResult& result = sheet.result;
    const double left = paper.left() + mm(20);
    const double right = paper.right() - mm(20);
    const double footerTop = paper.bottom() - mm(17);
    double y = paper.top() + mm(18);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    y = paintTitle(painter, left, right, y, QStringLiteral("Profilblatt"), sheet.made, mm) + mm(2);

    painter.setPen(ink);
    const QFont plain = sheetFont(10);
    painter.setFont(plain);
    const double line = QFontMetricsF(plain, painter.device()).height();
    painter.drawText(QRectF(left, y, right - left, line), Qt::AlignLeft,
                     QStringLiteral("Datei: %1")
                         .arg(sheet.fileName.isEmpty() ? QStringLiteral("(nicht gespeichert)")
                                                       : sheet.fileName));
    y += line;
    painter.drawText(
        QRectF(left, y, right - left, line), Qt::AlignLeft,
        QStringLiteral("Blechdicke s = %1 mm    Biegeradius r = %2 mm    %3 Schenkel, %4 Biegungen")
            .arg(shownTwoDecimals(part.thickness), shownTwoDecimals(part.radius))
            .arg(part.legs.size())
            .arg(part.bends.size()));
    y += line;
    const bool pressBrake = part.hasPressData();
    if (pressBrake) {
        for (const QString& text : pressLines(part, result)) {
            painter.drawText(QRectF(left, y, right - left, line), Qt::AlignLeft, text);
            y += line;
        }
    }
    y += mm(4);

    // L and W set apart, on the orange of the window's key results.
    const QRectF keyBox = paintKeyBand(painter, left, right, y, mm);
    painter.drawText(
        keyBox, Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Gestreckte Länge L = %1").arg(millimetres(result.developedLength)));
    painter.drawText(keyBox, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Breite W = %1")
                         .arg(part.width ? millimetres(*part.width) : QStringLiteral("–")));
    y += keyBox.height() + mm(5);

    // Under the tables: their legend, the heading of the notes and a line a note.
    const double noteLines = static_cast<double>(std::max<std::size_t>(1, result.notes.size()));
    const double notesRoom = mm(17) + mm(5) * noteLines;
    // At the press brake a table of each bend's press values follows, with a heading.
    const std::size_t pressRows = pressBrake ? part.bends.size() + 1 : 0;
    const double pressHeading = pressBrake ? mm(6) : 0;
    const std::size_t rows = std::max(part.legs.size(), part.bends.size()) + 1 + pressRows;
    // The drawings take what the tables (headings, rows at full height, the gap above the footer)
    // and the notes, at two lines each, leave of the page, so that a part of few legs is drawn
    // large.
    const double below = mm(6) + pressHeading + mm(5) * static_cast<double>(rows) + mm(4) +
                         notesRoom + mm(5) * noteLines;
    const double grown = std::max(0.0, (footerTop - y - below - mm(61) - mm(57)) / 2);
    paintDrawing(
        painter, QRectF(left, y, right - left, mm(58) + grown), sheet.section,
        [&](double textHeight) { return profile::sectionSvg(part, result, {textHeight}); },
        QStringLiteral("Schnitt"), QString(), mm);
    y += mm(61) + grown;
    paintDrawing(
        painter, QRectF(left, y, right - left, mm(52) + grown), sheet.blank,
        [&](double textHeight) { return profile::blankSvg(part, result, {textHeight}); },
        QStringLiteral("Zuschnitt, Biegelinien vom linken Ende bemaßt"),
        QStringLiteral("Ohne Breite W kein Zuschnitt"), mm);
    y += mm(57) + grown;

    // The legs and the bends side by side, as small as needed to leave room for the notes.
    Table legs{{QStringLiteral("Nr."), QStringLiteral("Länge"), QStringLiteral("Maß"),
                QStringLiteral("außen"), QStringLiteral("gerade")},
               {8, 18, 14, 17, 17},
               {}};
    for (std::size_t i = 0; i < part.legs.size(); ++i)
        legs.rows.push_back({QString::number(i + 1), shownLength(part.legs[i].length),
                             measureCaption(part.legs[i].measure),
                             shownLength(result.legs[i].outer),
                             shownLength(result.legs[i].straight)});
    Table bends{{QStringLiteral("Nr."), QStringLiteral("β in °"), QStringLiteral("r"),
                 QStringLiteral("k"), QStringLiteral("v"), QStringLiteral("bz"),
                 QStringLiteral("Biegelinie"), QStringLiteral("Ri.")},
                {8, 12, 10, 11, 12, 11, 19, 7},
                {}};
    for (std::size_t i = 0; i < result.bends.size(); ++i) {
        const profile::BendResult& bend = result.bends[i];
        bends.rows.push_back({QString::number(i + 1), shownTwoDecimals(bend.beta),
                              shownTwoDecimals(bend.radius), shownLength(bend.k),
                              shownLength(bend.v), shownLength(bend.bz), shownLength(bend.bendLine),
                              QString::fromLatin1(profile::directionName(bend.direction))});
    }
    const double bendsLeft = left + mm(77);
    painter.setPen(headingInk);
    painter.setFont(sheetFont(10, true));
    painter.drawText(QRectF(left, y, mm(74), mm(6)), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Schenkel"));
    painter.drawText(QRectF(bendsLeft, y, right - bendsLeft, mm(6)),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Biegungen"));
    y += mm(6);
    const double rowHeight =
        std::clamp((footerTop - mm(4) - notesRoom - pressHeading - y) / static_cast<double>(rows),
                   mm(1.6), mm(5));
    QFont cells = sheetFont(std::min(9.0, 9.0 * rowHeight / mm(5)));
    paintTable(painter, left, y, legs, rowHeight, cells, mm);
    paintTable(painter, bendsLeft, y, bends, rowHeight, cells, mm);
    y += rowHeight * static_cast<double>(rows - pressRows) + mm(2);
    if (pressBrake) {
        Table atThePress{{QStringLiteral("Nr."), QStringLiteral("k nach"), QStringLiteral("k DIN"),
                          QStringLiteral("Kraft in kN"), QStringLiteral("Kraft je m"),
                          QStringLiteral("kl. Schenkel"), QStringLiteral("Mindestradius"),
                          QStringLiteral("Einstellwinkel")},
                         {8, 26, 14, 19, 19, 26, 26, 28},
                         {}};
        for (std::size_t i = 0; i < result.bends.size(); ++i) {
            const profile::BendResult& bend = result.bends[i];
            atThePress.rows.push_back({QString::number(i + 1),
                                       bend.kFromTestBends ? QStringLiteral("Probebiegungen")
                                                           : QStringLiteral("DIN 6935"),
                                       shownLength(bend.kDin), orDash(bend.force, shownForce),
                                       orDash(bend.forcePerMetre, shownForce),
                                       orDash(bend.leastFlange, shownLength),
                                       orDash(bend.minimumRadius, shownTwoDecimals),
                                       orDash(bend.setAngle, shownTwoDecimals)});
        }
        painter.setPen(headingInk);
        painter.setFont(sheetFont(10, true));
        painter.drawText(QRectF(left, y, right - left, mm(6)), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("An der Presse"));
        y += mm(6);
        paintTable(painter, left, y, atThePress, rowHeight, cells, mm);
        y += rowHeight * static_cast<double>(pressRows) + mm(2);
    }
    painter.setPen(ruleInk);
    painter.setFont(sheetFont(8));
    painter.drawText(QRectF(left, y, right - left, mm(4)), Qt::AlignLeft | Qt::AlignVCenter,
                     pressBrake ? QStringLiteral("Längen in mm, Winkel in Grad. Biegelinie: "
                                                 "Abstand vom linken Ende des Zuschnitts; Ri.: "
                                                 "Richtung, + zum Betrachter, - von ihm weg.")
                                : QStringLiteral("Längen in mm. Biegelinie: Abstand vom linken "
                                                 "Ende des Zuschnitts; Ri.: Richtung, + zum "
                                                 "Betrachter, - von ihm weg."));
    y += mm(7);

    painter.setPen(headingInk);
    painter.setFont(sheetFont(10, true));
    painter.drawText(QRectF(left, y, right - left, mm(5)), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Hinweise"));
    y += mm(6);
    painter.setPen(ink);
    painter.setFont(sheetFont(9));
    QStringList notes;
    for (const std::string& note : result.notes)
        notes << QStringLiteral("– ") + QString::fromStdString(note);
    if (notes.isEmpty())
        notes << QStringLiteral("Keine Hinweise zu diesem Profil.");
    for (const QString& note : notes) {
        const QRectF box(left, y, right - left, footerTop - y);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF used = painter.boundingRect(box, flags, note);
        painter.drawText(box, flags, note);
        y += used.height() + mm(1);
    }

    paintFooter(painter, left, right, footerTop,
                QStringLiteral("Abwicklung eines Profils nach DIN 6935"), mm);
    painter.restore();
}

QByteArray profileSheetPdf(const ProfileSheet& sheet)
{
    return onePagePdf(QStringLiteral("Profilblatt"),
                      [&sheet](QPainter& painter, const QRectF& page) {
                          paintProfileSheet(painter, page, sheet);
                      });
}

bool printProfileSheet(QPrinter& printer, const ProfileSheet& sheet)
{
    return printOnePage(printer, [&sheet](QPainter& painter, const QRectF& page) {
        paintProfileSheet(painter, page, sheet);
    });
}

} // namespace kantrix
