#include "box_results.h"

#include "accessibility.h"
#include "box_model.h"
#include "elided_label.h"
#include "field_marks.h"
#include "notes_area.h"
#include "number_text.h"
#include "profile_model.h"
#include "result_cells.h"

#include <QGridLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kantrix {

namespace {

enum WallColumn
{
    Wall,
    BendLine,
    BendLength,
    K,
    KSource,
    Force,
    LeastFlange,
    SetAngle,
    WallColumnCount
};

QStringList wallColumns()
{
    return {QStringLiteral("Wand"),
            QStringLiteral("Biegelinie\nin mm"),
            QStringLiteral("Biegelänge\nin mm"),
            QStringLiteral("k"),
            QStringLiteral("k nach"),
            QStringLiteral("Kraft\nin kN"),
            QStringLiteral("kleinster\nSchenkel in mm"),
            QStringLiteral("Einstell-\nwinkel in °")};
}

ElidedLabel* resultLabel(const QString& objectName, const QString& spoken, const QString& least,
                         QWidget* parent)
{
    auto* label = new ElidedLabel(parent);
    accessibility::presentAsResult(label);
    label->setObjectName(objectName);
    label->setAccessibleName(spoken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setLeastText(least);
    return label;
}

void setResult(ElidedLabel* label, const QString& caption, const QString& value,
               const QString& unit)
{
    label->setWholeText(QStringLiteral("%1 = %2 %3").arg(caption, value, unit).trimmed());
    label->setAccessibleDescription(value);
}

} // namespace

BoxResults::BoxResults(QWidget* parent)
    : QWidget(parent), m_length(resultLabel(QStringLiteral("Kasten_Zuschnitt_Laenge"),
                                            QStringLiteral("Zuschnitt Länge, Millimeter"),
                                            QStringLiteral("Länge = 0 000.000 mm"), this)),
      m_width(resultLabel(QStringLiteral("Kasten_Zuschnitt_Breite"),
                          QStringLiteral("Zuschnitt Breite, Millimeter"),
                          QStringLiteral("Breite = 0 000.000 mm"), this)),
      m_area(resultLabel(QStringLiteral("Kasten_Flaeche"),
                         QStringLiteral("Fläche des Zuschnitts, Quadratmillimeter"),
                         QStringLiteral("Fläche = 000 000.0 mm²"), this)),
      m_mass(resultLabel(QStringLiteral("Kasten_Masse"),
                         QStringLiteral("Masse des Zuschnitts, Kilogramm"),
                         QStringLiteral("Masse = 00.000 kg"), this)),
      m_force(resultLabel(QStringLiteral("Kasten_Kraft"),
                          QStringLiteral("Größte Kraft F, Kilonewton"),
                          QStringLiteral("Größte Kraft F = 000.0 kN"), this)),
      m_stale(new QLabel(this)), m_walls(new QTableWidget(0, WallColumnCount, this)),
      m_notes(new QLabel(this))
{
    setObjectName(QStringLiteral("Kasten_Ergebnis"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    // The blank's size as the window shows its key results: bold, on orange, in a box of its own.
    auto* blank = new QWidget(this);
    blank->setObjectName(QStringLiteral("Kasten_Zuschnitt"));
    blank->setAutoFillBackground(true);
    QPalette orange = blank->palette();
    orange.setColor(QPalette::Window, keyResultOrange());
    blank->setPalette(orange);
    auto* size = new QGridLayout(blank);
    size->setContentsMargins(6, 4, 6, 4);
    auto* heading = new QLabel(QStringLiteral("Zuschnitt"), blank);
    QFont big = m_length->font();
    big.setBold(true);
    for (QLabel* label : {heading, static_cast<QLabel*>(m_length), static_cast<QLabel*>(m_width)})
        label->setFont(big);
    size->addWidget(heading, 0, 0);
    size->addWidget(m_length, 0, 1);
    size->addWidget(m_width, 0, 2);
    size->addWidget(m_area, 1, 1);
    size->addWidget(m_mass, 1, 2);
    size->setColumnStretch(1, 1);
    size->setColumnStretch(2, 1);
    layout->addWidget(blank);
    layout->addWidget(m_force);
    m_force->hide();
    m_mass->hide();

    m_stale->setObjectName(QStringLiteral("Kasten_Nicht_aktuell"));
    m_stale->setText(QStringLiteral("Nicht aktuell: gezeigt ist der letzte gültige Kasten."));
    m_stale->setWordWrap(true);
    QPalette red = m_stale->palette();
    red.setColor(QPalette::WindowText, refusedText);
    m_stale->setPalette(red);
    m_stale->hide();
    layout->addWidget(m_stale);

    auto* wallsHeading =
        new QLabel(QStringLiteral("Wände, Biegelinien vom Rand des Zuschnitts"), this);
    layout->addWidget(wallsHeading);
    setUpResultTable(m_walls, wallsHeading, QStringLiteral("Kasten_Biegelinien"),
                     QStringLiteral("Biegelinien und Werte der Wände"), wallColumns());
    layout->addWidget(m_walls, 1);

    m_notes->setObjectName(QStringLiteral("Kasten_Hinweise"));
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(new NotesArea(m_notes, QStringLiteral("Kasten_Hinweise_Rahmen"), this));
    setCurrent(true);
}

void BoxResults::show(const box::Box& part, const box::BoxResult& result)
{
    m_hasResult = true;
    setResult(m_length, QStringLiteral("Länge"), shownLength(result.blankLength()),
              QStringLiteral("mm"));
    setResult(m_width, QStringLiteral("Breite"), shownLength(result.blankWidth()),
              QStringLiteral("mm"));
    setResult(m_area, QStringLiteral("Fläche"),
              QString::fromStdString(FormatNumber(result.area, "# ##0.0")), QStringLiteral("mm²"));
    m_mass->setVisible(result.mass.has_value());
    if (result.mass)
        setResult(m_mass, QStringLiteral("Masse"),
                  QString::fromStdString(FormatNumber(*result.mass, threeDecimals)),
                  QStringLiteral("kg"));
    m_force->setVisible(result.largestForce.has_value());
    if (result.largestForce)
        setResult(m_force, QStringLiteral("Größte Kraft F"), shownForce(*result.largestForce),
                  QStringLiteral("kN"));

    int rows = 0;
    for (box::Side side : box::allSides)
        rows += result.wall(side) ? 1 : 0;
    m_walls->setRowCount(rows);
    int row = 0;
    for (box::Side side : box::allSides) {
        const std::optional<box::WallResult>& wall = result.wall(side);
        if (!wall)
            continue;
        const QString name = QString::fromLatin1(box::sideName(side));
        const profile::ProfileResult* section = sectionOf(result, side);
        const profile::BendResult* bend =
            section && wall->bend < section->bends.size() ? &section->bends[wall->bend] : nullptr;
        const std::size_t leg = legOf(result, side);
        const std::optional<std::string>* note =
            section && leg < section->legs.size() && section->legs[leg].leastFlangeNote
                ? &section->legs[leg].leastFlangeNote
                : nullptr;
        m_walls->setItem(row, Wall, resultCell(name, Qt::AlignLeft));
        m_walls->setItem(row, BendLine,
                         namedCell(resultCell(shownLength(wall->bendLine)),
                                   QStringLiteral("Biegelinie Wand %1, Millimeter").arg(name)));
        m_walls->setItem(row, BendLength,
                         namedCell(resultCell(shownLength(wall->bendLength)),
                                   QStringLiteral("Biegelänge Wand %1, Millimeter").arg(name)));
        m_walls->setItem(row, K,
                         namedCell(resultCell(bend ? shownLength(bend->k) : QStringLiteral("–")),
                                   QStringLiteral("k Wand %1").arg(name)));
        m_walls->setItem(row, KSource,
                         resultCell(bend && bend->kFromTestBends ? QStringLiteral("Probebiegungen")
                                                                 : QStringLiteral("DIN 6935"),
                                    Qt::AlignLeft));
        m_walls->setItem(row, Force,
                         namedCell(resultCell(orDash(wall->force, shownForce)),
                                   QStringLiteral("Kraft Wand %1, Kilonewton").arg(name)));
        QTableWidgetItem* least =
            namedCell(resultCell(orDash(wall->leastFlange, shownLength)),
                      QStringLiteral("Kleinster Schenkel an Wand %1, Millimeter").arg(name));
        // Warned of, not refused: the wall is shorter than the die lets it be bent.
        if (note) {
            least->setBackground(warnedBase);
            least->setToolTip(QString::fromStdString(**note));
            least->setData(Qt::AccessibleDescriptionRole,
                           least->text() + QStringLiteral(". ") + QString::fromStdString(**note));
        }
        m_walls->setItem(row, LeastFlange, least);
        m_walls->setItem(row, SetAngle,
                         namedCell(resultCell(orDash(wall->setAngle, shownTwoDecimals)),
                                   QStringLiteral("Einstellwinkel Wand %1, Grad").arg(name)));
        ++row;
    }
    showPressColumns(m_walls, {Force, LeastFlange, SetAngle}, part.hasPressData());
    m_notes->setText(notesText(result.notes));
    setCurrent(true);
}

void BoxResults::setCurrent(bool current)
{
    m_current = current;
    m_stale->setVisible(!current && m_hasResult);
    if (!m_hasResult) {
        m_length->setWholeText(QStringLiteral("Länge = –"));
        m_width->setWholeText(QStringLiteral("Breite = –"));
        m_area->setWholeText(QStringLiteral("Fläche = –"));
    }
    // Greyed, not hidden: the last valid values stay readable.
    for (QWidget* shown : std::initializer_list<QWidget*>{m_length, m_width, m_area, m_mass,
                                                          m_force, m_walls, m_notes})
        shown->setEnabled(current);
}

} // namespace kantrix
