#include "profile_window.h"

#include "accessibility.h"
#include "bend_state.h"
#include "box_window.h"
#include "cell_delegate.h"
#include "die.h"
#include "field_marks.h"
#include "help_window.h"
#include "materials_dialog.h"
#include "number_text.h"
#include "press_brake_group.h"
#include "press_notes.h"
#include "profile_drawing.h"
#include "profile_launch.h"
#include "profile_refusal.h"
#include "profile_results.h"
#include "program_icon.h"
#include "start_shown.h"
#include "svg_view.h"
#include "test_bend_dialog.h"
#include "whole_text_tip.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextBrowser>
#include <QToolBar>
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
    : m_model(new ProfileModel(this)), m_path(path)
{
    accessibility::install();
    setObjectName(QStringLiteral("Profil"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(programIcon());
    m_model->reset(draft);
    m_folder = path.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                              : QFileInfo(path).absolutePath();
    if (!QDir(m_folder).exists())
        m_folder = QDir::homePath();

    // The margin in a layout around the splitter: a splitter's own margins are left out of its
    // smallest size, which then cut the captions off at the window's smallest.
    auto* central = new QWidget(this);
    auto* margin = new QVBoxLayout(central);
    margin->setContentsMargins(6, 6, 6, 6);
    auto* split = new QSplitter(Qt::Vertical, central);
    margin->addWidget(split);
    split->setObjectName(QStringLiteral("Profil_Teilung"));
    auto* upper = new QSplitter(Qt::Horizontal, split);
    upper->addWidget(buildEditor());
    m_results = new ProfileResults(upper);
    upper->addWidget(m_results);
    upper->setStretchFactor(0, 1);
    upper->setStretchFactor(1, 1);
    upper->setSizes({500, 600});
    split->addWidget(upper);
    split->addWidget(buildDrawings());
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setSizes({360, 380});
    split->setChildrenCollapsible(false);
    upper->setChildrenCollapsible(false);
    setCentralWidget(central);
    buildActions();

    connect(m_model, &ProfileModel::draftChanged, this, &ProfileWindow::showDraft);
    connect(m_model->undoStack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    showDraft();
    updateTitle();
    resize(1120, 780);
    m_table->setCurrentIndex(m_model->index(0, ProfileModel::Length));
    m_fields[0]->setFocus(Qt::OtherFocusReason);
}

ProfileWindow::~ProfileWindow()
{
    // The children are deleted when this is no longer a ProfileWindow. What they signal then (a
    // field that loses the focus, the undo stack clearing itself) must not reach it.
    const QList<QObject*> children = findChildren<QObject*>();
    for (QObject* child : children)
        child->disconnect(this);
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

    m_message = new QLabel(editor);
    m_message->setObjectName(QStringLiteral("Profil_Meldung"));
    m_message->setWordWrap(true);
    m_message->setMinimumHeight(2 * m_message->fontMetrics().lineSpacing() + 4);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette red = m_message->palette();
    red.setColor(QPalette::WindowText, QColor(170, 0, 0));
    m_message->setPalette(red);
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
    connect(dialog, &TestBendDialog::materialsWritten, this, &ProfileWindow::reloadAllMaterials);
    dialog->show();
}

void ProfileWindow::openMaterials()
{
    auto* dialog = new MaterialsDialog(m_press->materials(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &MaterialsDialog::materialsWritten, this, &ProfileWindow::reloadAllMaterials);
    dialog->show();
}

void ProfileWindow::reloadAllMaterials()
{
    PressBrakeGroup::reloadEverywhere();
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
    const auto addDrawing = [drawings](const QString& caption, const QString& name,
                                       const QString& spoken) {
        auto* frame = new QGroupBox(caption, drawings);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(4, 4, 4, 4);
        auto* view = new SvgView(frame);
        view->setObjectName(name);
        view->setAccessibleName(spoken);
        layout->addWidget(view);
        drawings->addWidget(frame);
        return view;
    };
    m_section = addDrawing(QStringLiteral("Schnitt"), QStringLiteral("Profil_Schnitt"),
                           QStringLiteral("Zeichnung des Schnitts"));
    m_blank =
        addDrawing(QStringLiteral("Zuschnitt mit Biegelinien"), QStringLiteral("Profil_Zuschnitt"),
                   QStringLiteral("Zeichnung des Zuschnitts mit Biegelinien"));
    drawings->setChildrenCollapsible(false);
    const QString none = QStringLiteral("Noch kein berechnetes Profil: die Zeile unter der "
                                        "Tabelle sagt, was fehlt.");
    m_section->show({}, none);
    m_blank->show({}, none);
    return drawings;
}

QAction* ProfileWindow::addCommand(const QString& text, const QKeySequence& keys,
                                   void (ProfileWindow::*command)())
{
    auto* action = new QAction(text, this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, command);
    addAction(action);
    return action;
}

void ProfileWindow::buildActions()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction* create =
        addCommand(QStringLiteral("&Neues Profil"), QKeySequence::New, &ProfileWindow::newProfile);
    QAction* open =
        addCommand(QStringLiteral("Ö&ffnen…"), QKeySequence::Open, &ProfileWindow::open);
    QAction* createBox =
        addCommand(QStringLiteral("Neuer &Kasten"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
                   &ProfileWindow::newBox);
    file->addAction(create);
    file->addAction(createBox);
    file->addAction(open);
    auto* saveAction = new QAction(QStringLiteral("&Speichern"), this);
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, [this] { this->save(); });
    auto* saveAsAction = new QAction(QStringLiteral("Speichern &unter…"), this);
    saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAsAction, &QAction::triggered, this, [this] { saveAs(); });
    addAction(saveAction);
    addAction(saveAsAction);
    file->addAction(saveAction);
    file->addAction(saveAsAction);
    file->addSeparator();
    QAction* exporting = addCommand(QStringLiteral("&Exportieren…"),
                                    QKeySequence(Qt::CTRL | Qt::Key_E), &ProfileWindow::exportFile);
    QAction* printing =
        addCommand(QStringLiteral("&Drucken…"), QKeySequence::Print, &ProfileWindow::print);
    file->addAction(exporting);
    file->addAction(printing);
    file->addSeparator();
    auto* closing = new QAction(QStringLiteral("S&chließen"), this);
    closing->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(closing, &QAction::triggered, this, &QWidget::close);
    addAction(closing);
    file->addAction(closing);
    auto* quit = new QAction(QStringLiteral("&Beenden"), this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, qApp, &QApplication::closeAllWindows, Qt::QueuedConnection);
    addAction(quit);
    file->addAction(quit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    QUndoStack* stack = m_model->undoStack();
    m_undo = new QAction(this);
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo = new QAction(this);
    m_redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    const auto name = [stack, this] {
        m_undo->setEnabled(stack->canUndo());
        m_undo->setText(stack->canUndo() ? QStringLiteral("&Rückgängig: %1").arg(stack->undoText())
                                         : QStringLiteral("&Rückgängig"));
        m_redo->setEnabled(stack->canRedo());
        m_redo->setText(stack->canRedo() ? QStringLiteral("&Wiederholen: %1").arg(stack->redoText())
                                         : QStringLiteral("&Wiederholen"));
    };
    connect(stack, &QUndoStack::indexChanged, this, name);
    connect(stack, &QUndoStack::cleanChanged, this, name);
    name();
    // What is being typed counts first, so that undo takes back the last change, that one.
    connect(m_undo, &QAction::triggered, this, [this, stack] {
        commitEntry();
        stack->undo();
    });
    connect(m_redo, &QAction::triggered, this, [this, stack] {
        commitEntry();
        stack->redo();
    });
    addAction(m_undo);
    addAction(m_redo);
    edit->addAction(m_undo);
    edit->addAction(m_redo);
    edit->addSeparator();
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
    edit->addAction(addCommand(QStringLiteral("&Probebiegung…"), QKeySequence(Qt::CTRL | Qt::Key_T),
                               &ProfileWindow::openTestBend));
    edit->addAction(
        addCommand(QStringLiteral("&Werkstoffe…"), QKeySequence(), &ProfileWindow::openMaterials));
    m_updateMaterial = addCommand(QStringLiteral("Werkstoff &aktualisieren"), QKeySequence(),
                                  &ProfileWindow::updateMaterial);
    edit->addAction(m_updateMaterial);
    edit->addSeparator();
    QAction* copy =
        addCommand(QStringLiteral("Ergebnis &kopieren"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &ProfileWindow::copyAnswer);
    edit->addAction(copy);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    help->addAction(addCommand(QStringLiteral("&Benutzerhinweise"), QKeySequence::HelpContents,
                               &ProfileWindow::showHelp));
    help->addAction(
        addCommand(QStringLiteral("Über &Kantrix"), QKeySequence(), &ProfileWindow::showAbout));

    QToolBar* tools = addToolBar(QStringLiteral("Befehle"));
    tools->setObjectName(QStringLiteral("Profil_Werkzeuge"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->setMovable(false);
    for (QAction* action : {create, open, saveAction, exporting, printing})
        tools->addAction(action);
    tools->addSeparator();
    tools->addAction(m_undo);
    tools->addAction(m_redo);
    tools->addSeparator();
    tools->addAction(copy);
}

bool ProfileWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A line edit claims some of the window's keys for its own editing: Ctrl+Z for its undo,
    // Ctrl+E for the end of the line, Ctrl+Ins to copy. In a field or cell of this window the
    // window's command comes first; the window's undo takes back whole changes.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        const QList<QAction*> commands = findChildren<QAction*>(Qt::FindDirectChildrenOnly);
        for (const QAction* command : commands) {
            if (command->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    // Tab goes from cell to cell; Ctrl+Tab leaves the table, as it leaves a text editor, so that
    // the keys reach the results too.
    if (event->type() == QEvent::KeyPress &&
        (watched == m_table ||
         m_table->viewport()->isAncestorOf(qobject_cast<QWidget*>(watched)))) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            commitEntry();
            m_table->setFocus(Qt::OtherFocusReason);
            focusNextPrevChild(key->key() == Qt::Key_Tab &&
                               !key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
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
    // An open cell editor hands its text over and stays open.
    if (focus && m_table->viewport()->isAncestorOf(focus)) {
        QWidget* editor = focus;
        while (editor->parentWidget() != m_table->viewport())
            editor = editor->parentWidget();
        Q_EMIT m_table->itemDelegate()->commitData(editor);
    }
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

void ProfileWindow::updateTitle()
{
    const QString name =
        m_path.isEmpty() ? QStringLiteral("Unbenanntes Profil") : QFileInfo(m_path).fileName();
    setWindowTitle(QStringLiteral("%1[*] – Kantrix").arg(name));
    setWindowModified(!m_model->undoStack()->isClean());
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
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    m_help->browser()->scrollToAnchor(HelpWindow::anchorName(QStringLiteral("Profile")));
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
