#include "profile_results.h"

#include "profile_model.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kantrix {

namespace {

QStringList bendColumns()
{
    return {QStringLiteral("Biegung"),  QStringLiteral("Biegelinie in mm"),
            QStringLiteral("Richtung"), QStringLiteral("k"),
            QStringLiteral("v in mm"),  QStringLiteral("bz in mm")};
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

ProfileResults::ProfileResults(QWidget* parent)
    : QWidget(parent), m_length(new QLabel(this)), m_stale(new QLabel(this)),
      m_bends(new QTableWidget(0, static_cast<int>(bendColumns().size()), this)),
      m_notes(new QLabel(this))
{
    setObjectName(QStringLiteral("Profil_Ergebnis"));
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
    layout->addWidget(m_length);

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
    m_bends->setObjectName(QStringLiteral("Profil_Biegelinien"));
    m_bends->setAccessibleName(QStringLiteral("Biegelinien und Werte der Biegungen"));
    m_bends->setHorizontalHeaderLabels(bendColumns());
    m_bends->verticalHeader()->hide();
    m_bends->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_bends->setTabKeyNavigation(false);
    m_bends->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_bends->horizontalHeader()->setMinimumSectionSize(
        m_bends->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 8);
    heading->setBuddy(m_bends);
    layout->addWidget(m_bends, 1);

    m_notes->setObjectName(QStringLiteral("Profil_Hinweise"));
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_notes);
    setCurrent(true);
}

void ProfileResults::show(const profile::ProfileResult& result)
{
    m_hasResult = true;
    const QString length = shownLength(result.developedLength);
    m_length->setText(QStringLiteral("Gestreckte Länge L = %1 mm").arg(length));
    m_length->setAccessibleName(QStringLiteral("Gestreckte Länge L, Millimeter"));
    m_length->setAccessibleDescription(length);

    m_bends->setRowCount(static_cast<int>(result.bends.size()));
    for (int row = 0; row < m_bends->rowCount(); ++row) {
        const profile::BendResult& bend = result.bends[static_cast<std::size_t>(row)];
        m_bends->setItem(row, 0, cell(QString::number(row + 1), Qt::AlignCenter));
        m_bends->setItem(row, 1, cell(shownLength(bend.bendLine)));
        m_bends->setItem(
            row, 2,
            cell(QString::fromLatin1(profile::directionName(bend.direction)), Qt::AlignCenter));
        m_bends->setItem(row, 3, cell(shownLength(bend.k)));
        m_bends->setItem(row, 4, cell(shownLength(bend.v)));
        m_bends->setItem(row, 5, cell(shownLength(bend.bz)));
    }

    QStringList notes;
    for (const std::string& note : result.notes)
        notes << QStringLiteral("– ") + QString::fromStdString(note);
    m_notes->setText(notes.isEmpty()
                         ? QStringLiteral("Keine Hinweise.")
                         : QStringLiteral("Hinweise:\n") + notes.join(QLatin1Char('\n')));
    setCurrent(true);
}

void ProfileResults::setCurrent(bool current)
{
    m_current = current;
    m_stale->setVisible(!current && m_hasResult);
    if (!m_hasResult)
        m_length->setText(QStringLiteral("Gestreckte Länge L = –"));
    // Greyed, not hidden: the last valid values stay readable.
    m_bends->setEnabled(current);
    m_notes->setEnabled(current);
    m_length->setEnabled(current);
}

} // namespace kantrix
