#include "profile_results.h"

#include "accessibility.h"
#include "elided_label.h"
#include "notes_area.h"
#include "number_text.h"
#include "profile_model.h"
#include "result_cells.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kantrix {

namespace {

// The press brake's columns come last and show only for a part made at the press brake.
enum BendColumn
{
    Number,
    BendLine,
    Direction,
    K,
    V,
    Bz,
    KSource,
    Force,
    LeastFlange,
    SetAngle,
};

QStringList bendColumns()
{
    return {QStringLiteral("Biegung"),
            QStringLiteral("Biegelinie\nin mm"),
            QStringLiteral("Richtung"),
            QStringLiteral("k"),
            QStringLiteral("v in mm"),
            QStringLiteral("bz\nin mm"),
            QStringLiteral("k nach"),
            QStringLiteral("Kraft\nin kN"),
            QStringLiteral("kleinster\nSchenkel in mm"),
            QStringLiteral("Einstell-\nwinkel in °")};
}

} // namespace

ProfileResults::ProfileResults(QWidget* parent)
    : QWidget(parent), m_length(new ElidedLabel(this)), m_force(new ElidedLabel(this)),
      m_stale(new QLabel(this)),
      m_bends(new QTableWidget(0, static_cast<int>(bendColumns().size()), this)),
      m_notes(new QLabel(this))
{
    setObjectName(QStringLiteral("Profil_Ergebnis"));
    accessibility::presentAsResult(m_length);
    accessibility::presentAsResult(m_force);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    // L as the window shows it: bold, on the orange of the key results, in a box of its own.
    m_length->setObjectName(QStringLiteral("Profil_L"));
    m_length->setFrameShape(QFrame::Panel);
    m_length->setFrameShadow(QFrame::Sunken);
    m_length->setMargin(6);
    m_length->setAutoFillBackground(true);
    QPalette orange = m_length->palette();
    orange.setColor(QPalette::Window, keyResultOrange());
    m_length->setPalette(orange);
    m_length->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_length->setFocusPolicy(Qt::StrongFocus);
    QFont big = m_length->font();
    big.setBold(true);
    if (big.pixelSize() > 0)
        big.setPixelSize(big.pixelSize() * 5 / 4);
    else
        big.setPointSizeF(big.pointSizeF() * 1.25);
    m_length->setFont(big);
    // The largest force beside L, plain: the press operator's figure, not the blank's.
    m_force->setObjectName(QStringLiteral("Profil_Kraft"));
    m_force->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_force->setFocusPolicy(Qt::StrongFocus);
    m_force->setAccessibleName(QStringLiteral("Größte Kraft F, Kilonewton"));
    m_force->hide();
    // Under L, not beside it: beside it the two would share the width, and at the window's
    // smallest L, the key result, would be the one elided. Each keeps room for an ordinary figure.
    m_length->setLeastText(QStringLiteral("Gestreckte Länge L = 00 000.000 mm"));
    m_force->setLeastText(QStringLiteral("Größte Kraft F = 0 000.0 kN"));
    layout->addWidget(m_length);
    layout->addWidget(m_force);

    m_stale->setObjectName(QStringLiteral("Profil_Nicht_aktuell"));
    m_stale->setText(QStringLiteral("Nicht aktuell: gezeigt ist das letzte gültige Profil."));
    m_stale->setWordWrap(true);
    QPalette red = m_stale->palette();
    red.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_stale->setPalette(red);
    m_stale->hide();
    layout->addWidget(m_stale);

    auto* heading = new QLabel(QStringLiteral("Biegelinien, vom linken Ende des Zuschnitts"), this);
    layout->addWidget(heading);
    setUpResultTable(m_bends, heading, QStringLiteral("Profil_Biegelinien"),
                     QStringLiteral("Biegelinien und Werte der Biegungen"), bendColumns());
    layout->addWidget(m_bends, 1);

    m_notes->setObjectName(QStringLiteral("Profil_Hinweise"));
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* notes = new NotesArea(m_notes, QStringLiteral("Profil_Hinweise_Rahmen"), this);
    layout->addWidget(notes);
    setCurrent(true);
}

void ProfileResults::show(const profile::Profile& profile, const profile::ProfileResult& result)
{
    m_hasResult = true;
    const QString length = shownLength(result.developedLength);
    m_length->setWholeText(QStringLiteral("Gestreckte Länge L = %1 mm").arg(length));
    m_length->setAccessibleName(QStringLiteral("Gestreckte Länge L, Millimeter"));
    m_length->setAccessibleDescription(length);

    m_bends->setRowCount(static_cast<int>(result.bends.size()));
    for (int row = 0; row < m_bends->rowCount(); ++row) {
        const profile::BendResult& bend = result.bends[static_cast<std::size_t>(row)];
        m_bends->setItem(row, 0, resultCell(QString::number(row + 1), Qt::AlignCenter));
        m_bends->setItem(row, 1, resultCell(shownLength(bend.bendLine)));
        m_bends->setItem(row, 2,
                         resultCell(QString::fromLatin1(profile::directionName(bend.direction)),
                                    Qt::AlignCenter));
        m_bends->setItem(row, 3, resultCell(shownLength(bend.k)));
        m_bends->setItem(row, 4, resultCell(shownLength(bend.v)));
        m_bends->setItem(row, 5, resultCell(shownLength(bend.bz)));
        const QString number = QString::number(row + 1);
        m_bends->setItem(row, KSource,
                         resultCell(bend.kFromTestBends ? QStringLiteral("Probebiegungen")
                                                        : QStringLiteral("DIN 6935"),
                                    Qt::AlignLeft));
        m_bends->setItem(row, Force,
                         namedCell(resultCell(orDash(bend.force, shownForce)),
                                   QStringLiteral("Kraft Biegung %1, Kilonewton").arg(number)));
        m_bends->setItem(
            row, LeastFlange,
            namedCell(resultCell(orDash(bend.leastFlange, shownLength)),
                      QStringLiteral("Kleinster Schenkel an Biegung %1, Millimeter").arg(number)));
        m_bends->setItem(row, SetAngle,
                         namedCell(resultCell(orDash(bend.setAngle, shownTwoDecimals)),
                                   QStringLiteral("Einstellwinkel Biegung %1, Grad").arg(number)));
    }
    // A part without the press brake shows what it always showed.
    const bool pressBrake = profile.hasPressData();
    showPressColumns(m_bends, {KSource, Force, LeastFlange, SetAngle}, pressBrake);
    // Stretched columns keep room for a length; columns as wide as their contents need no more,
    // and ten of them fit only without it.
    m_bends->horizontalHeader()->setMinimumSectionSize(
        m_bends->fontMetrics().horizontalAdvance(pressBrake ? QStringLiteral("0.0")
                                                            : QStringLiteral("0000.000")) +
        8);
    m_force->setVisible(result.largestForce.has_value());
    if (result.largestForce) {
        const QString force = shownForce(*result.largestForce);
        m_force->setWholeText(QStringLiteral("Größte Kraft F = %1 kN").arg(force));
        m_force->setAccessibleDescription(force);
    }

    m_notes->setText(notesText(result.notes));
    setCurrent(true);
}

void ProfileResults::setCurrent(bool current)
{
    m_current = current;
    m_stale->setVisible(!current && m_hasResult);
    if (!m_hasResult)
        m_length->setWholeText(QStringLiteral("Gestreckte Länge L = –"));
    // Greyed, not hidden: the last valid values stay readable.
    m_bends->setEnabled(current);
    m_notes->setEnabled(current);
    m_length->setEnabled(current);
    m_force->setEnabled(current);
}

} // namespace kantrix
