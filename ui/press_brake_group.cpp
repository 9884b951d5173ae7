#include "press_brake_group.h"

#include "accessibility.h"
#include "die.h"
#include "number_text.h"
#include "press_notes.h"
#include "start_shown.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kantrix {

PressBrakeGroup::PressBrakeGroup(const QString& prefix, QObject* keys, QWidget* parent)
    : QGroupBox(QStringLiteral("Werkstoff und Werkzeug"), parent), m_materials(readUserMaterials())
{
    setObjectName(prefix + QStringLiteral("_Presse"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    // On Linux a combo box is named by its item, and by its caption only as the caption's buddy;
    // the caption then carries the box's name, with its unit. A typed field with a unit is no
    // buddy: a screen reader would read the bare caption in place of the field's name.
    const auto caption = [this, grid](const QString& text, int row, int column, QWidget* box) {
        auto* label = new QLabel(text, this);
        if (box) {
            label->setBuddy(box);
            label->setAccessibleName(box->accessibleName());
        }
        grid->addWidget(label, row, column, Qt::AlignRight);
    };

    // A long name shows its start, the whole name in the tooltip, and never widens the window.
    m_material = new StartComboBox(this);
    m_material->setObjectName(QStringLiteral("Cmb_Werkstoff"));
    m_material->setAccessibleName(QStringLiteral("Werkstoff"));
    m_material->setToolTip(QStringLiteral("Die eingebauten Werkstoffe und die eigenen aus der "
                                          "Werkstoffdatei, mit ihren Probebiegungen"));
    m_material->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_material->setMinimumContentsLength(10);
    connect(m_material, &QComboBox::activated, this, [this](int index) {
        Q_EMIT choosing();
        const QString name = m_material->itemData(index).toString();
        if (name.isEmpty())
            return Q_EMIT materialChosen(std::nullopt);
        // The part's own material stays as it is; another comes from the catalog.
        if (m_shown && QString::fromStdString(m_shown->name) == name)
            return;
        if (const press::Material* chosen =
                press::findMaterial(m_materials.catalog, name.toStdString()))
            Q_EMIT materialChosen(*chosen);
    });

    m_die = new QComboBox(this);
    m_die->setObjectName(QStringLiteral("Cmb_Matrize"));
    m_die->setAccessibleName(QStringLiteral("Matrizenöffnung V, Millimeter"));
    m_die->setToolTip(QStringLiteral("Die Öffnung V der Matrize; leer: keine Matrize"));
    m_die->setEditable(true);
    m_die->setInsertPolicy(QComboBox::NoInsert);
    // No completion: it would turn a typed 1 into the list's 10.
    m_die->setCompleter(nullptr);
    m_die->addItem(QString(), QString());
    for (double opening : press::dieOpenings) {
        const QString text = QString::fromStdString(NumberToText(opening));
        m_die->addItem(text, text);
    }
    QLineEdit* dieText = m_die->lineEdit();
    accessibility::presentAsField(dieText);
    dieText->setAccessibleName(m_die->accessibleName());
    dieText->setAlignment(Qt::AlignRight);
    dieText->installEventFilter(keys);
    connect(dieText, &QLineEdit::editingFinished, this,
            [this] { Q_EMIT dieTaken(dieField()->text()); });
    connect(m_die, &QComboBox::activated, this, [this](int index) {
        const QString opening = m_die->itemData(index).toString();
        Q_EMIT dieTaken(opening);
        // The line shows the opening alone, not the item's "empfohlen".
        dieField()->setText(opening);
    });

    m_press = new QLineEdit(this);
    accessibility::presentAsField(m_press);
    m_press->setObjectName(QStringLiteral("Txt_Presse"));
    m_press->setAccessibleName(QStringLiteral("Presse, Kilonewton"));
    m_press->setToolTip(QStringLiteral("Die größte Kraft der Presse; leer: ohne Grenze"));
    m_press->setAlignment(Qt::AlignRight);
    m_press->installEventFilter(keys);
    connect(m_press, &QLineEdit::editingFinished, this,
            [this] { Q_EMIT pressTaken(m_press->text()); });

    m_rolling = new QComboBox(this);
    m_rolling->setObjectName(QStringLiteral("Cmb_Walzrichtung"));
    m_rolling->setAccessibleName(QStringLiteral("Walzrichtung"));
    m_rolling->setToolTip(QStringLiteral("Wie die Biegelinien zur Walzrichtung des Blechs liegen"));
    m_rolling->addItem(QStringLiteral("quer"), static_cast<int>(press::RollingDirection::Quer));
    m_rolling->addItem(QStringLiteral("längs"), static_cast<int>(press::RollingDirection::Laengs));
    accessibility::speakCurrentItem(m_material);
    accessibility::speakCurrentItem(m_rolling);
    connect(m_rolling, &QComboBox::activated, this, [this](int index) {
        Q_EMIT choosing();
        Q_EMIT rollingChosen(press::RollingDirection(m_rolling->itemData(index).toInt()));
    });

    // Row by row in the order the keyboard takes them (the order they were made in) and the
    // page shows them: material and die, press and rolling direction.
    caption(QStringLiteral("Werkstoff"), 0, 0, m_material);
    grid->addWidget(m_material, 0, 1, 1, 2);
    caption(QStringLiteral("Matrize V"), 0, 3, m_die);
    grid->addWidget(m_die, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("mm"), this), 0, 5);
    caption(QStringLiteral("Presse"), 1, 0, nullptr);
    grid->addWidget(m_press, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("kN"), this), 1, 2);
    caption(QStringLiteral("Walzrichtung"), 1, 3, m_rolling);
    grid->addWidget(m_rolling, 1, 4, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    m_message = new QLabel(this);
    m_message->setObjectName(prefix + QStringLiteral("_Werkstoffdatei"));
    m_message->setWordWrap(true);
    QPalette red = m_message->palette();
    red.setColor(QPalette::WindowText, QColor(170, 0, 0));
    m_message->setPalette(red);
    grid->addWidget(m_message, 2, 0, 1, 6);
    // The splitter above sizes the group by its minimum, which knows nothing of wrapped lines: at
    // the window's smallest the note would lose its last ones. It asks for them as it is resized.
    m_message->installEventFilter(this);

    m_watch = new QFileSystemWatcher(this);
    watchMaterials();
    connect(m_watch, &QFileSystemWatcher::fileChanged, this, &PressBrakeGroup::materialsChanged);
    connect(m_watch, &QFileSystemWatcher::directoryChanged, this,
            &PressBrakeGroup::materialsChanged);
}

QLineEdit* PressBrakeGroup::dieField() const
{
    return m_die->lineEdit();
}

void PressBrakeGroup::show(const PressBrakeView& part)
{
    const std::optional<press::Material>& material = *part.material;
    m_shown = material;
    // The part's material as its file brought it, where the user's own data of it differ.
    const press::Material* own =
        material ? press::findMaterial(m_materials.catalog, material->name) : nullptr;
    m_differs = own && *own != *material;
    // Without an entry in the materials file the catalog's material is the built-in one.
    bool userData = false;
    for (const press::CatalogEntry& entry : m_materials.catalog)
        userData =
            userData || (&entry.material == own && entry.origin != press::MaterialOrigin::Builtin);
    const QString aside =
        m_differs ? QString::fromStdString(press::partMaterialNote(material->name, userData))
                  : QString();
    const QString said = m_materials.error.isEmpty() ? aside : m_materials.error;
    m_message->setText(said);
    m_message->setVisible(!said.isEmpty());
    keepNoteWhole();

    // The catalog's names, and the part's own material where the catalog has none of its name
    // (a file from another shop).
    m_material->clear();
    m_material->addItem(QStringLiteral("kein Werkstoff"), QString());
    for (const press::CatalogEntry& entry : m_materials.catalog)
        m_material->addItem(QString::fromStdString(entry.material.name),
                            QString::fromStdString(entry.material.name));
    if (material) {
        const QString name = QString::fromStdString(material->name);
        if (m_material->findData(name) < 0)
            m_material->addItem(name, name);
        m_material->setCurrentIndex(m_material->findData(name));
    } else {
        m_material->setCurrentIndex(0);
    }
    m_rolling->setCurrentIndex(m_rolling->findData(static_cast<int>(part.rolling)));

    // The suggested opening for s, marked in the list; the line keeps what it shows.
    const std::optional<double> suggested = press::suggestedDie(part.thickness);
    QLineEdit* dieText = dieField();
    const QString typed = dieText->text();
    for (int i = 1; i < m_die->count(); ++i) {
        const QString opening = m_die->itemData(i).toString();
        m_die->setItemText(i,
                           suggested && QString::fromStdString(NumberToText(*suggested)) == opening
                               ? QStringLiteral("%1 (empfohlen)").arg(opening)
                               : opening);
    }
    if (dieText->text() != typed)
        dieText->setText(typed);
}

std::optional<press::Material>
PressBrakeGroup::reload(const std::optional<press::Material>& partMaterial)
{
    UserMaterials now = readUserMaterials(m_materials.path);
    watchMaterials();
    if (!now.error.isEmpty()) {
        m_materials.error = now.error;
        return std::nullopt;
    }
    const press::Material* before =
        partMaterial ? press::findMaterial(m_materials.catalog, partMaterial->name) : nullptr;
    const press::Material* after =
        partMaterial ? press::findMaterial(now.catalog, partMaterial->name) : nullptr;
    const bool followed = before && after && *before == *partMaterial && *after != *before;
    const std::optional<press::Material> taken = followed ? std::optional(*after) : std::nullopt;
    m_materials = std::move(now);
    return taken;
}

void PressBrakeGroup::reloadEverywhere()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        for (PressBrakeGroup* group : top->findChildren<PressBrakeGroup*>())
            Q_EMIT group->materialsChanged();
}

void PressBrakeGroup::watchMaterials()
{
    // Only what exists can be watched. Until the file's folder is made (by another program, or
    // the first test bend), its nearest existing ancestor is watched for it, one level at a time.
    QString folder = QFileInfo(m_materials.path).absolutePath();
    while (!QFileInfo::exists(folder) && QFileInfo(folder).absolutePath() != folder)
        folder = QFileInfo(folder).absolutePath();
    const QStringList folders = m_watch->directories();
    for (const QString& watched : folders)
        if (watched != folder)
            m_watch->removePath(watched);
    if (!folders.contains(folder))
        m_watch->addPath(folder);
    // A file saved whole takes the old one's place: the watch must follow the new file.
    if (QFileInfo::exists(m_materials.path) && !m_watch->files().contains(m_materials.path))
        m_watch->addPath(m_materials.path);
}

void PressBrakeGroup::keepNoteWhole()
{
    m_message->setMinimumHeight(
        m_message->text().isEmpty() ? 0 : m_message->heightForWidth(m_message->width()));
}

bool PressBrakeGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_message && event->type() == QEvent::Resize)
        keepNoteWhole();
    return QGroupBox::eventFilter(watched, event);
}

} // namespace kantrix
