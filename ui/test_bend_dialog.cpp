#include "test_bend_dialog.h"

#include "accessibility.h"
#include "field_marks.h"
#include "number_text.h"
#include "press_answer.h"
#include "test_bend_options.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kantrix {

namespace {

const FieldText fieldTexts[TestBendDialog::FieldCount] = {
    {"Txt_PB_Dicke", "Blechdicke s", "mm", "Millimeter", nullptr},
    {"Txt_PB_Matrize", "Matrize V", "mm", "Millimeter",
     "Die Öffnung der Matrize, in der gebogen wurde; r = f · V (oder r angeben)"},
    {"Txt_PB_Radius", "oder Biegeradius r", "mm", "Millimeter",
     "Der Innenradius, wo keine Matrize angegeben ist"},
    {"Txt_PB_Winkel", "Winkel β gemessen", "°", "Grad",
     "Der Öffnungswinkel nach dem Entlasten, gemessen"},
    {"Txt_PB_Eingestellt", "Winkel βe eingestellt", "°", "Grad",
     "Der Winkel, auf den die Presse eingestellt war; leer: unbekannt"},
    {"Txt_PB_Zuschnitt", "Zuschnitt L0", "mm", "Millimeter",
     "Die Länge des Streifens vor dem Biegen"},
    {"Txt_PB_Schenkel_a", "Schenkel a", "mm", "Millimeter", "Außen gemessen"},
    {"Txt_PB_Schenkel_b", "Schenkel b", "mm", "Millimeter", "Außen gemessen"},
};

const char* const valueCaptions[] = {
    "v gemessen = L0 − a − b",     "k gemessen",        "k nach DIN 6935", "v nach DIN 6935",
    "L nach DIN 6935 = a + b + v", "Abweichung L0 − L", "Rückfederung K",
};

QString threePlaces(double value)
{
    return QString::fromStdString(FormatNumber(value, threeDecimals));
}

std::optional<std::string> optionalText(const QLineEdit* field)
{
    const QString text = field->text().trimmed();
    return text.isEmpty() ? std::nullopt : std::optional<std::string>(text.toStdString());
}

} // namespace

TestBendDialog::TestBendDialog(const UserMaterials& materials, const QString& material,
                               const QString& thickness, const QString& die, QWidget* parent)
    : QDialog(parent), m_materials(materials), m_material(new QComboBox(this)),
      m_message(new QLabel(this)), m_enter(new QPushButton(QStringLiteral("Eintragen"), this))
{
    setObjectName(QStringLiteral("Probebiegung"));
    setWindowTitle(QStringLiteral("Probebiegung – Kantrix"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;

    m_material->setObjectName(QStringLiteral("Cmb_PB_Werkstoff"));
    m_material->setAccessibleName(QStringLiteral("Werkstoff"));
    for (const press::CatalogEntry& entry : m_materials.catalog)
        m_material->addItem(QString::fromStdString(entry.material.name));
    m_material->setCurrentIndex(std::max(0, m_material->findText(material)));
    accessibility::speakCurrentItem(m_material);
    auto* materialCaption = new QLabel(QStringLiteral("Werkstoff"), this);
    materialCaption->setBuddy(m_material);
    grid->addWidget(materialCaption, 0, 0, Qt::AlignRight);
    grid->addWidget(m_material, 0, 1, 1, 2);

    for (int i = 0; i < FieldCount; ++i) {
        const FieldText& text = fieldTexts[i];
        QLineEdit* field = makeField(text, this);
        m_fields[i] = field;
        grid->addWidget(new QLabel(QString::fromUtf8(text.caption), this), i + 1, 0,
                        Qt::AlignRight);
        grid->addWidget(field, i + 1, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(text.unit), this), i + 1, 2);
    }
    m_fields[Thickness]->setText(thickness);
    m_fields[Die]->setText(die);
    // Material, s and V come from the profile; what is new is what was measured.
    m_fields[thickness.isEmpty() ? Thickness : Angle]->setFocus(Qt::OtherFocusReason);

    // The library's answer beside the fields.
    auto* answer = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        auto* value = new QLabel(this);
        value->setObjectName(QStringLiteral("PB_Wert_%1").arg(i + 1));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setAccessibleName(QString::fromUtf8(valueCaptions[i]));
        m_values[i] = value;
        answer->addWidget(new QLabel(QString::fromUtf8(valueCaptions[i]), this), i, 0);
        answer->addWidget(value, i, 1);
    }
    answer->setRowStretch(7, 1);
    auto* both = new QHBoxLayout;
    both->addLayout(grid);
    both->addSpacing(24);
    both->addLayout(answer, 1);
    layout->addLayout(both);

    m_message->setObjectName(QStringLiteral("PB_Meldung"));
    m_message->setWordWrap(true);
    m_message->setMinimumHeight(2 * m_message->fontMetrics().lineSpacing() + 4);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_message);

    auto* buttons = new QDialogButtonBox(this);
    m_enter->setObjectName(QStringLiteral("PB_Eintragen"));
    m_enter->setToolTip(
        QStringLiteral("Trägt die Probebiegung beim Werkstoff in die Werkstoffdatei ein"));
    buttons->addButton(m_enter, QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_enter, &QPushButton::clicked, this, [this] { enterTestBend(); });
    layout->addWidget(buttons);

    // Worked out again at every key, once everything is in place.
    connect(m_material, &QComboBox::currentIndexChanged, this, &TestBendDialog::evaluate);
    for (QLineEdit* field : m_fields)
        connect(field, &QLineEdit::textChanged, this, &TestBendDialog::evaluate);
    evaluate();
}

void TestBendDialog::evaluate()
{
    press::TestBendOptions options;
    options.werkstoff = m_material->currentText().toStdString();
    options.dicke = m_fields[Thickness]->text().toStdString();
    options.matrize = optionalText(m_fields[Die]);
    options.radius = optionalText(m_fields[Radius]);
    options.winkel = m_fields[Angle]->text().toStdString();
    options.winkelEingestellt = optionalText(m_fields[SetAngle]);
    options.zuschnitt = m_fields[CutLength]->text().toStdString();
    options.schenkel =
        (m_fields[LegA]->text() + QLatin1Char('/') + m_fields[LegB]->text()).toStdString();

    std::optional<press::PressItem> refused;
    bool missing = false;
    try {
        const press::TypedTestBend typed =
            press::readTestBendOptions(options, NumberStyle::PointOrComma, m_materials.catalog);
        const press::TestBendResult& result = typed.result;
        const double values[] = {result.v,    result.k,         result.kDin,
                                 result.vDin, result.lengthDin, result.deviation};
        for (int i = 0; i < 6; ++i)
            m_values[i]->setText(threePlaces(values[i]));
        m_values[6]->setText(result.springback ? threePlaces(*result.springback)
                                               : QStringLiteral("–"));
        m_message->clear();
    } catch (const press::PressRefusal& refusal) {
        refused = refusal.item();
        for (QLabel* value : m_values)
            value->setText(QStringLiteral("–"));
        // A field not yet filled in is not wrong: it only still lacks, as in the profile window.
        const QString lacking = missingCaption(*refused);
        missing = !lacking.isEmpty();
        m_message->setText(missing ? QStringLiteral("%1 fehlt noch.").arg(lacking)
                                   : QString::fromStdString(refusal.what()) + QLatin1Char('.'));
    }
    m_enter->setEnabled(!refused);
    QPalette colour = palette();
    if (refused && !missing)
        colour.setColor(QPalette::WindowText, refusedText);
    m_message->setPalette(colour);
    if (missing)
        refused.reset();

    // The refusal at its field; legs that are not two are about both.
    const auto at = [&refused](press::PressItem item) { return refused && *refused == item; };
    const bool marked[FieldCount] = {
        at(press::PressItem::Thickness), at(press::PressItem::Die),
        at(press::PressItem::Radius),    at(press::PressItem::Angle),
        at(press::PressItem::SetAngle),  at(press::PressItem::CutLength),
        at(press::PressItem::Legs),      at(press::PressItem::Legs),
    };
    for (int i = 0; i < FieldCount; ++i)
        markField(m_fields[i], marked[i], marked[i] ? m_message->text() : QString());
}

QString TestBendDialog::missingCaption(press::PressItem item) const
{
    const auto empty = [this](Field field) { return m_fields[field]->text().trimmed().isEmpty(); };
    const auto caption = [](Field field) { return QString::fromUtf8(fieldTexts[field].caption); };
    switch (item) {
    case press::PressItem::Thickness:
        return empty(Thickness) ? caption(Thickness) : QString();
    case press::PressItem::Radius:
        // Neither V nor r: "Matrize V oder Biegeradius r".
        return empty(Die) && empty(Radius) ? caption(Die) + QLatin1Char(' ') + caption(Radius)
                                           : QString();
    case press::PressItem::Angle:
        return empty(Angle) ? caption(Angle) : QString();
    case press::PressItem::CutLength:
        return empty(CutLength) ? caption(CutLength) : QString();
    case press::PressItem::Legs:
        for (Field leg : {LegA, LegB})
            if (empty(leg))
                return caption(leg);
        return {};
    default:
        return {};
    }
}

bool TestBendDialog::enterTestBend()
{
    const auto refuse = [this](const QString& why) {
        QPalette colour = palette();
        colour.setColor(QPalette::WindowText, refusedText);
        m_message->setPalette(colour);
        m_message->setText(why);
        return false;
    };
    const press::TestBendOptions options{
        m_material->currentText().toStdString(),
        m_fields[Thickness]->text().toStdString(),
        optionalText(m_fields[Radius]),
        optionalText(m_fields[Die]),
        m_fields[Angle]->text().toStdString(),
        optionalText(m_fields[SetAngle]),
        m_fields[CutLength]->text().toStdString(),
        (m_fields[LegA]->text() + QLatin1Char('/') + m_fields[LegB]->text()).toStdString()};
    // Worked out with the file as it is under the lock, not as the window read it: another window
    // or the command line may have written it since.
    press::EnteredTestBend entered;
    QString why;
    const std::optional<press::MaterialsFile> written = changeUserMaterials(
        m_materials.path,
        [&](const press::MaterialsFile& now) -> std::optional<press::MaterialsFile> {
            const press::MaterialCatalog catalog = press::materialCatalog(now);
            const press::TypedTestBend typed =
                press::readTestBendOptions(options, NumberStyle::PointOrComma, catalog);
            entered = press::enterTestBend(now, catalog, typed.material.name, typed.bend);
            if (entered.alreadyThere)
                return std::nullopt;
            return entered.file;
        },
        why);
    if (!written)
        return refuse(why + QStringLiteral(" Die Probebiegung ist nicht eingetragen."));
    m_materials = readUserMaterials(m_materials.path);
    // A success is no refusal: not in its colour, whatever the message said before.
    m_message->setPalette(palette());
    m_message->setText(QString::fromStdString(press::enteredReport(
        *written, entered.material, entered.alreadyThere, m_materials.path.toStdString())));
    if (!entered.alreadyThere)
        Q_EMIT materialsWritten();
    return true;
}

} // namespace kantrix
