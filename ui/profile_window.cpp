#include "profile_window.h"

#include "accessibility.h"
#include "bend_state.h"
#include "box_window.h"
#include "cell_delegate.h"
#include "die.h"
#include "field_marks.h"
#include "help_window.h"
#include "number_text.h"
#include "part_window_menus.h"
#include "press_brake_group.h"
#include "press_notes.h"
#include "profile_drawing.h"
#include "profile_launch.h"
#include "profile_refusal.h"
#include "profile_results.h"
#include "start_shown.h"
#include "svg_view.h"
#include "test_bend_dialog.h"
#include "whole_text_tip.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace kantrix {

namespace {

const FieldText fieldTexts[] = {
    {"Txt_Profil_Dicke", "Blechdicke s", "mm", "Millimeter", nullptr},
    {"Txt_Profil_Radius", "Biegeradius r", "mm", "Millimeter",
     "Der Innenradius jeder Biegung, die keinen eigenen hat"},
    {"Txt_Profil_Breite", "Breite W", "mm", "Millimeter",
     "Die Länge der Biegelinien; nur für den Zuschnitt nötig"},
};

} // namespace

ProfileWindow::ProfileWindow(const ProfileDraft& draft, const QString& path)
    : PartWindow(QStringLiteral("Profil"), path), m_model(new ProfileModel(this))
{
    m_model->reset(draft);
    setUpPanes({buildEditor(),
                m_results = new ProfileResults(this),
                buildDrawings(),
                {500, 600},
                {360, 380}});
    buildActions();

    connect(m_model, &ProfileModel::draftChanged, this, &ProfileWindow::showDraft);
    showDraft();
    updateTitle();
    resize(1120, 780);
    m_table->setCurrentIndex(m_model->index(0, ProfileModel::Length));
    m_fields[0]->setFocus(Qt::OtherFocusReason);
}

QLineEdit* ProfileWindow::field(ProfileCommon which) const
{
    return m_fields[static_cast<int>(which)];
}

QComboBox* ProfileWindow::materialBox() const
{
    return m_press->materialBox();
}

QComboBox* ProfileWindow::dieBox() const
{
    return m_press->dieBox();
}

QComboBox* ProfileWindow::rollingBox() const
{
    return m_press->rollingBox();
}

QLabel* ProfileWindow::materialsMessage() const
{
    return m_press->materialsMessage();
}

QWidget* ProfileWindow::buildEditor()
{
    auto* editor = new QWidget(this);
    auto* layout = new QVBoxLayout(editor);
    layout->setContentsMargins(0, 0, 6, 0);

    auto* common = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        const FieldText& description = fieldTexts[i];
        auto* caption = new QLabel(QString::fromUtf8(description.caption), editor);
        QLineEdit* text = makeField(description, editor);
        text->setMinimumWidth(text->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) +
                              16);
        // Not the caption's buddy: a screen reader would then speak the caption alone, without
        // the unit, in place of the field's name.
        const auto which = ProfileCommon(i);
        connect(text, &QLineEdit::editingFinished, this, [this, which] { takeField(which); });
        text->installEventFilter(this);
        m_fields[i] = text;
        common->addWidget(caption, 0, 3 * i, Qt::AlignRight);
        common->addWidget(text, 0, 3 * i + 1);
        common->addWidget(new QLabel(QString::fromUtf8(description.unit), editor), 0, 3 * i + 2);
        common->setColumnMinimumWidth(3 * i + 2, 30);
    }
    common->setColumnStretch(9, 1);
    layout->addLayout(common);
    layout->addWidget(buildPressBrake(editor));

    auto* heading = new QLabel(QStringLiteral("Schenkel und die Biegung nach jedem"), editor);
    layout->addWidget(heading);
    m_table = new QTableView(editor);
    m_table->setObjectName(QStringLiteral("Profil_Tabelle"));
    m_table->setAccessibleName(QStringLiteral("Schenkel und Biegungen"));
    accessibility::reportCurrentCellOnFocus(m_table);
    m_table->setModel(m_model);
    m_table->setItemDelegate(new CellDelegate(
        this,
        [](const QModelIndex& index) {
            if (index.column() == ProfileModel::Measure)
                return QStringList{measureCaption(profile::Measure::Aussen),
                                   measureCaption(profile::Measure::Innen)};
            if (index.column() == ProfileModel::Direction)
                return QStringList{QStringLiteral("+"), QStringLiteral("-")};
            return QStringList();
        },
        &ProfileModel::cellName, m_table));
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                             QAbstractItemView::EditKeyPressed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    heading->setBuddy(m_table);
    m_table->installEventFilter(this);
    layout->addWidget(m_table, 1);

    auto* buttons = new QHBoxLayout;
    auto* insert = new QPushButton(QStringLiteral("Schenkel einfügen"), editor);
    insert->setObjectName(QStringLiteral("Profil_Einfuegen"));
    insert->setToolTip(
        QStringLiteral("Ein Schenkel mit seiner Biegung nach der Zeile (Strg+Einfg)"));
    auto* remove = new QPushButton(QStringLiteral("Schenkel löschen"), editor);
    remove->setObjectName(QStringLiteral("Profil_Loeschen"));
    remove->setToolTip(QStringLiteral("Der Schenkel der Zeile mit seiner Biegung (Strg+Entf)"));
    // The cursor goes to the length of the new leg, or stays on the row of the one removed.
    connect(insert, &QPushButton::clicked, this, [this] {
        commitEntry();
        const int row = m_table->currentIndex().isValid() ? m_table->currentIndex().row()
                                                          : m_model->rowCount() - 1;
        m_model->insertLeg(row);
        m_table->setCurrentIndex(m_model->index(row + 1, ProfileModel::Length));
        m_table->setFocus(Qt::OtherFocusReason);
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        commitEntry();
        const int row = m_table->currentIndex().row();
        m_model->removeLeg(row);
        m_table->setCurrentIndex(
            m_model->index(std::min(row, m_model->rowCount() - 1), ProfileModel::Length));
        m_table->setFocus(Qt::OtherFocusReason);
    });
    buttons->addWidget(insert);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    m_message = addMessage(editor);
    layout->addWidget(m_message);
    return editor;
}

QWidget* ProfileWindow::buildPressBrake(QWidget* parent)
{
    m_press = new PressBrakeGroup(QStringLiteral("Profil"), this, parent);
    m_fields[static_cast<int>(ProfileCommon::Die)] = m_press->dieField();
    m_fields[static_cast<int>(ProfileCommon::PressLimit)] = m_press->pressField();
    connect(m_press, &PressBrakeGroup::choosing, this, &ProfileWindow::commitEntry);
    connect(
        m_press, &PressBrakeGroup::materialChosen, this,
        [this](const std::optional<press::Material>& material) { m_model->setMaterial(material); });
    connect(m_press, &PressBrakeGroup::rollingChosen, this,
            [this](press::RollingDirection rolling) { m_model->setRolling(rolling); });
    connect(m_press, &PressBrakeGroup::dieTaken, this,
            [this](const QString& text) { m_model->setCommonText(ProfileCommon::Die, text); });
    connect(m_press, &PressBrakeGroup::pressTaken, this, [this](const QString& text) {
        m_model->setCommonText(ProfileCommon::PressLimit, text);
    });
    connect(m_press, &PressBrakeGroup::materialsChanged, this, &ProfileWindow::reloadMaterials);
    return m_press;
}

void ProfileWindow::openTestBend()
{
    commitEntry();
    const profile::Profile& part = m_model->profile();
    auto* dialog =
        new TestBendDialog(m_press->materials(),
                           part.material ? QString::fromStdString(part.material->name) : QString(),
                           m_model->commonText(ProfileCommon::Thickness),
                           m_model->commonText(ProfileCommon::Die), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &TestBendDialog::materialsWritten, this, &PressBrakeGroup::reloadEverywhere);
    dialog->show();
}

void ProfileWindow::reloadMaterials()
{
    if (const std::optional<press::Material> taken = m_press->reload(m_model->profile().material))
        m_model->setMaterial(taken, QStringLiteral("Werkstoff aktualisiert"));
    else
        showDraft();
}

void ProfileWindow::updateMaterial()
{
    commitEntry();
    const profile::Profile& part = m_model->profile();
    if (!part.material)
        return;
    if (const press::Material* now =
            press::findMaterial(m_press->materials().catalog, part.material->name))
        m_model->setMaterial(*now, QStringLiteral("Werkstoff aktualisiert"));
}

void ProfileWindow::showPressBrake()
{
    const profile::Profile& part = m_model->profile();
    m_press->show({&part.material, part.rolling, part.thickness, part.die});
    m_updateMaterial->setEnabled(m_press->materialDiffers());

    // With a die the radius is the die's: shown, not typed.
    QLineEdit* radius = field(ProfileCommon::Radius);
    radius->setReadOnly(part.die.has_value());
    radius->setToolTip(part.die ? QStringLiteral("aus der Matrize V %1")
                                      .arg(QString::fromStdString(NumberToText(*part.die)))
                                : QString::fromUtf8(fieldTexts[1].toolTip));
}

QWidget* ProfileWindow::buildDrawings()
{
    auto* drawings = new QSplitter(Qt::Horizontal, this);
    m_section = addDrawing(drawings, QStringLiteral("Schnitt"), QStringLiteral("Profil_Schnitt"),
                           QStringLiteral("Zeichnung des Schnitts"));
    m_blank = addDrawing(drawings, QStringLiteral("Zuschnitt mit Biegelinien"),
                         QStringLiteral("Profil_Zuschnitt"),
                         QStringLiteral("Zeichnung des Zuschnitts mit Biegelinien"));
    drawings->setChildrenCollapsible(false);
    const QString none = QStringLiteral("Noch kein berechnetes Profil: die Zeile unter der "
                                        "Tabelle sagt, was fehlt.");
    m_section->show({}, none);
    m_blank->show({}, none);
    return drawings;
}

void ProfileWindow::buildActions()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction* create = addCommand(this, QStringLiteral("&Neues Profil"), QKeySequence::New,
                                 &ProfileWindow::newProfile);
    QAction* open =
        addCommand(this, QStringLiteral("Ö&ffnen…"), QKeySequence::Open, &ProfileWindow::open);
    QAction* createBox =
        addCommand(this, QStringLiteral("Neuer &Kasten"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), &ProfileWindow::newBox);
    file->addAction(create);
    file->addAction(createBox);
    file->addAction(open);
    const FileCommands files = addFileCommands(this, file);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    const UndoCommands undo =
        addUndoCommands(this, edit, m_model->undoStack(), [this] { commitEntry(); });
    m_insert = new QAction(QStringLiteral("Schenkel &einfügen"), this);
    m_insert->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    connect(m_insert, &QAction::triggered, this,
            [this] { findChild<QPushButton*>(QStringLiteral("Profil_Einfuegen"))->click(); });
    m_remove = new QAction(QStringLiteral("Schenkel &löschen"), this);
    m_remove->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    connect(m_remove, &QAction::triggered, this,
            [this] { findChild<QPushButton*>(QStringLiteral("Profil_Loeschen"))->click(); });
    addAction(m_insert);
    addAction(m_remove);
    edit->addAction(m_insert);
    edit->addAction(m_remove);
    edit->addSeparator();
    const PressCommands press = addPressCommands(this, edit);
    m_updateMaterial = press.updateMaterial;

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    help->addAction(addCommand(this, QStringLiteral("&Benutzerhinweise"),
                               QKeySequence::HelpContents, &ProfileWindow::showHelp));
    help->addAction(addCommand(this, QStringLiteral("Über &Kantrix"), QKeySequence(),
                               &ProfileWindow::showAbout));

    addCommandBar(this, QStringLiteral("Profil_Werkzeuge"),
                  {create, open, files.save, files.exporting, files.printing}, undo, press.copy);
}

void ProfileWindow::takeField(ProfileCommon which)
{
    m_model->setCommonText(which, field(which)->text());
}

void ProfileWindow::commitEntry()
{
    QWidget* focus = QApplication::focusWidget();
    for (int i = 0; i < profileCommonCount; ++i) {
        if (focus == m_fields[i])
            takeField(ProfileCommon(i));
    }
    commitCellEditor(m_table, focus);
}

void ProfileWindow::showDraft()
{
    const ProfileCheck& check = m_model->check();
    showPressBrake();
    for (int i = 0; i < profileCommonCount; ++i) {
        const auto which = ProfileCommon(i);
        QLineEdit* text = m_fields[i];
        if (text->text() != m_model->commonText(which))
            text->setText(m_model->commonText(which));
        markField(text, m_model->isMarked(which),
                  check.common == which ? check.message : QString());
    }
    m_message->setText(check.message);
    m_remove->setEnabled(m_model->rowCount() > static_cast<int>(profile::minLegs));
    m_insert->setEnabled(m_model->rowCount() < static_cast<int>(profile::maxLegs));
    findChild<QPushButton*>(QStringLiteral("Profil_Loeschen"))->setEnabled(m_remove->isEnabled());
    findChild<QPushButton*>(QStringLiteral("Profil_Einfuegen"))->setEnabled(m_insert->isEnabled());

    if (!check.result) {
        m_results->setCurrent(false);
        m_section->setStale(true);
        m_blank->setStale(true);
        return;
    }
    const profile::Profile& shape = m_model->profile();
    m_results->show(shape, *check.result);
    m_section->setStale(false);
    m_blank->setStale(false);
    // A part too large for the numbers of a drawing gets the reason in the drawing's place.
    // The views keep their drawing to write it again when resized: by a copy of the part.
    const auto show = [](SvgView* view, DrawingAt draw) {
        try {
            view->show(std::move(draw));
        } catch (const profile::ProfileRefusal& refused) {
            view->show({}, QString::fromStdString(refused.what()) + QLatin1Char('.'));
        }
    };
    show(m_section, [shape, result = *check.result](double textHeight) {
        return profile::sectionSvg(shape, result, {textHeight});
    });
    if (shape.width)
        show(m_blank, [shape, result = *check.result](double textHeight) {
            return profile::blankSvg(shape, result, {textHeight});
        });
    else
        m_blank->show({}, QStringLiteral("Für den Zuschnitt fehlt die Breite W."));
}

void ProfileWindow::newProfile()
{
    auto* window = new ProfileWindow;
    window->show();
}

void ProfileWindow::newBox()
{
    BoxWindow::openNew();
}

void ProfileWindow::showHelp()
{
    showHelpAt(this, m_help, QStringLiteral("Profile"));
}

const ProfileWindows& ProfileWindow::waysIn()
{
    static constexpr ProfileWindows ways{&openOfBend, &askAndOpen, &openFiles};
    return ways;
}

void ProfileWindow::openOfBend(const BendState& bend)
{
    profile::Profile part;
    part.thickness = bend.s;
    part.radius = bend.r;
    part.width = 100;
    part.legs = {{bend.l(1), profile::Measure::Aussen}, {bend.l(2), profile::Measure::Aussen}};
    part.bends = {{bend.beta, std::nullopt, profile::Direction::Plus}};
    auto* window = new ProfileWindow(ProfileDraft::of(part));
    window->show();
    window->activateWindow();
}

} // namespace kantrix
