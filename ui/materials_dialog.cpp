#include "materials_dialog.h"

#include "builtin_values_note.h"
#include "materials_merge.h"
#include "number_text.h"
#include "press_refusal.h"
#include "regular_file.h"
#include "whole_text_tip.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kantrix {

namespace {

QString plain(double value)
{
    return QString::fromStdString(NumberToText(value));
}

QString optionalPlain(const std::optional<double>& value)
{
    return value ? plain(*value) : QString();
}

// "360 … 510", and from a thickness on "ab 16: 340 … 470", band by band.
QString strengthText(const press::Material& material)
{
    QStringList bands;
    for (const press::StrengthBand& band : material.strength) {
        const QString range = QStringLiteral("%1 … %2").arg(plain(band.min), plain(band.max));
        bands << (band.fromThickness > 0
                      ? QStringLiteral("ab %1: %2").arg(plain(band.fromThickness), range)
                      : range);
    }
    return bands.join(QStringLiteral("; "));
}

QString originText(press::MaterialOrigin origin)
{
    switch (origin) {
    case press::MaterialOrigin::Builtin:
        return QStringLiteral("eingebaut");
    case press::MaterialOrigin::BuiltinPlus:
        return QStringLiteral("eingebaut, mit eigenen Daten");
    default:
        return QStringLiteral("eigener");
    }
}

} // namespace

MaterialsModel::MaterialsModel(QObject* parent) : QAbstractTableModel(parent) {}

void MaterialsModel::setCatalog(const press::MaterialCatalog& catalog)
{
    beginResetModel();
    m_catalog = catalog;
    m_rows.clear();
    for (std::size_t entry = 0; entry < m_catalog.size(); ++entry) {
        const std::size_t bends = m_catalog[entry].material.testBends.size();
        if (bends == 0)
            m_rows.push_back({entry, std::nullopt});
        for (std::size_t bend = 0; bend < bends; ++bend)
            m_rows.push_back({entry, bend});
    }
    endResetModel();
}

const press::Material& MaterialsModel::materialAt(int row) const
{
    return m_catalog[m_rows[static_cast<std::size_t>(row)].entry].material;
}

std::optional<std::size_t> MaterialsModel::testBendAt(int row) const
{
    return m_rows[static_cast<std::size_t>(row)].testBend;
}

int MaterialsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int MaterialsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MaterialsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() <= Origin ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                        : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const press::CatalogEntry& entry = m_catalog[row.entry];
    const press::Material& material = entry.material;
    switch (index.column()) {
    case Name:
        return QString::fromStdString(material.name);
    case Number:
        return material.number ? QString::fromStdString(*material.number) : QString();
    case Strength:
        return strengthText(material);
    case Factor:
        return plain(material.radiusFactor);
    case Origin:
        return originText(entry.origin);
    default:
        break;
    }
    if (!row.testBend)
        return index.column() == TestBendNumber ? QStringLiteral("keine") : QString();
    const press::TestBend& bend = material.testBends[*row.testBend];
    switch (index.column()) {
    case TestBendNumber:
        return QString::number(*row.testBend + 1);
    case Thickness:
        return plain(bend.thickness);
    case Radius:
        return plain(bend.radius);
    case Die:
        return optionalPlain(bend.die);
    case Angle:
        return plain(bend.angle);
    case SetAngle:
        return optionalPlain(bend.setAngle);
    case CutLength:
        return plain(bend.cutLength);
    case LegA:
        return plain(bend.legA);
    case LegB:
        return plain(bend.legB);
    default:
        // The catalog checked every test bend: it is worked out here without a refusal.
        return QString::fromStdString(
            FormatNumber(press::evaluateTestBendOf(material, *row.testBend).k, threeDecimals));
    }
}

QVariant MaterialsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const char* const captions[ColumnCount] = {"Werkstoff", "Nummer",   "Rm in N/mm²",
                                                      "f",         "Herkunft", "Probe-\nbiegung",
                                                      "s",         "r",        "V",
                                                      "β",         "βe",       "L0",
                                                      "a",         "b",        "k"};
    return QString::fromUtf8(captions[section]);
}

MaterialsDialog::MaterialsDialog(const UserMaterials& materials, QWidget* parent)
    : QDialog(parent), m_model(new MaterialsModel(this)), m_table(new QTableView(this)),
      m_remove(new QPushButton(QStringLiteral("Probebiegung löschen…"), this)),
      m_import(new QPushButton(QStringLiteral("Importieren…"), this)), m_replaced(new QLabel(this)),
      m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("Werkstoffe"));
    setWindowTitle(QStringLiteral("Werkstoffe – Kantrix"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(
        QStringLiteral("Werkstoffe und Probebiegungen (Längen in mm, Winkel in Grad)"), this);
    layout->addWidget(heading);
    m_table->setObjectName(QStringLiteral("Werkstoffe_Tabelle"));
    m_table->setAccessibleName(QStringLiteral("Werkstoffe und Probebiegungen"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new WholeTextDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    heading->setBuddy(m_table);
    layout->addWidget(m_table, 1);

    // Which built-in values the file replaces, in the words the lists and notes use elsewhere.
    m_replaced->setObjectName(QStringLiteral("Werkstoffe_Abweichungen"));
    m_replaced->setWordWrap(true);
    m_replaced->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_replaced);

    m_message->setObjectName(QStringLiteral("Werkstoffe_Meldung"));
    m_message->setWordWrap(true);
    layout->addWidget(m_message);

    auto* buttons = new QDialogButtonBox(this);
    m_remove->setObjectName(QStringLiteral("Werkstoffe_Loeschen"));
    buttons->addButton(m_remove, QDialogButtonBox::ActionRole);
    m_import->setObjectName(QStringLiteral("Werkstoffe_Importieren"));
    m_import->setToolTip(QStringLiteral("Eine Werkstoffdatei, etwa von einem anderen Rechner oder "
                                        "vom Telefon, zu den eigenen Werkstoffen nehmen"));
    buttons->addButton(m_import, QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_remove, &QPushButton::clicked, this, [this] { removeTestBend(); });
    connect(m_import, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("Werkstoffe importieren"), QString(),
            QStringLiteral("Werkstoffdateien (*.json);;Alle Dateien (*)"));
        if (!path.isEmpty())
            importFile(path);
    });
    layout->addWidget(buttons);

    setMaterials(materials);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MaterialsDialog::updateRemove);
    resize(900, 480);
}

void MaterialsDialog::setMaterials(const UserMaterials& materials)
{
    m_materials = materials;
    m_model->setCatalog(m_materials.catalog);
    QStringList replaced;
    for (const press::CatalogEntry& entry : m_materials.catalog)
        if (const std::optional<std::string> note = press::builtinValuesNote(entry.material))
            replaced << QString::fromStdString(*note);
    m_replaced->setText(replaced.join(QLatin1Char('\n')));
    m_replaced->setVisible(!replaced.isEmpty());
    showMessage(m_materials.error, true);
    updateRemove();
}

void MaterialsDialog::updateRemove()
{
    const QModelIndex current = m_table->currentIndex();
    m_remove->setEnabled(current.isValid() && m_model->testBendAt(current.row()));
}

bool MaterialsDialog::removeTestBend()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || !m_model->testBendAt(current.row()))
        return false;
    const std::string name = m_model->materialAt(current.row()).name;
    const std::size_t index = *m_model->testBendAt(current.row());
    const press::TestBend bend = m_model->materialAt(current.row()).testBends[index];
    const QString which =
        QStringLiteral("Probebiegung %1 von %2").arg(index + 1).arg(QString::fromStdString(name));
    QMessageBox question(QMessageBox::Question, QStringLiteral("Probebiegung löschen"),
                         QStringLiteral("%1 aus der Werkstoffdatei löschen? Das lässt sich "
                                        "nicht mit Strg+Z rückgängig machen.")
                             .arg(which),
                         QMessageBox::NoButton, this);
    QPushButton* yes = question.addButton(QStringLiteral("Löschen"), QMessageBox::AcceptRole);
    question.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    question.exec();
    if (question.clickedButton() != yes)
        return false;

    // The file as it is under the lock: it may have changed since this dialog read it.
    QString why;
    if (changeUserMaterials(
            m_materials.path,
            [&](const press::MaterialsFile& now) -> std::optional<press::MaterialsFile> {
                return press::withoutTestBend(now, name, bend);
            },
            why)) {
        setMaterials(readUserMaterials(m_materials.path));
        Q_EMIT materialsWritten();
        return true;
    }
    showMessage(QStringLiteral("%1 ist nicht gelöscht. %2").arg(which, why), true);
    return false;
}

bool MaterialsDialog::importFile(const QString& path)
{
    const auto refuse = [this](const QString& why) {
        showMessage(why + QStringLiteral(" Die Werkstoffdatei ist, wie sie war."), true);
        return false;
    };
    // Only a regular file, opened so that a FIFO cannot hold the window up.
    const RegularFileText read = readRegularFile(QFile::encodeName(path).toStdString(), 64 << 20);
    if (!read.text)
        return refuse(QStringLiteral("„%1“ wird nicht gelesen: %2.")
                          .arg(path, QString::fromStdString(read.why)));
    press::MaterialsFile other;
    try {
        other = press::readMaterialsFile(*read.text, path.toStdString());
    } catch (const press::MaterialsFileError& refused) {
        return refuse(QString::fromStdString(refused.what()) + QLatin1Char('.'));
    }
    // Merged into the user's file as it is under the lock: another window may have written it
    // since this one read it.
    press::MaterialsMerge merge;
    QString why;
    const bool merged =
        changeUserMaterials(
            m_materials.path,
            [&](const press::MaterialsFile& now) -> std::optional<press::MaterialsFile> {
                try {
                    merge = press::mergeMaterials(now, other);
                } catch (const press::PressRefusal& refused) {
                    throw press::PressRefusal(refused.item(),
                                              path.toStdString() + ": " + refused.what());
                }
                if (merge.file == now)
                    return std::nullopt;
                return merge.file;
            },
            why)
            .has_value();
    if (!merged) {
        // The library's reason says that the file is as it was.
        showMessage(why, true);
        return false;
    }
    setMaterials(readUserMaterials(m_materials.path));
    showMessage(
        QString::fromStdString(press::mergeReport(merge, QFileInfo(path).fileName().toStdString())),
        false);
    Q_EMIT materialsWritten();
    return true;
}

void MaterialsDialog::showMessage(const QString& text, bool refused)
{
    QPalette colours = palette();
    if (refused)
        colours.setColor(QPalette::WindowText, QColor(170, 0, 0));
    m_message->setPalette(colours);
    m_message->setText(text);
}

} // namespace kantrix
