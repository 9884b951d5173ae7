#include "box_window.h"

#include "accessibility.h"
#include "box_drawing.h"
#include "box_launch.h"
#include "box_results.h"
#include "cell_delegate.h"
#include "field_marks.h"
#include "help_window.h"
#include "number_text.h"
#include "part_window_menus.h"
#include "press_brake_group.h"
#include "profile_window.h"
#include "svg_view.h"
#include "test_bend_dialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace kantrix {

namespace {

using box::Side;

const FieldText fieldTexts[] = {
    {"Txt_Kasten_Dicke", "Blechdicke s", "mm", "Millimeter", nullptr},
    {"Txt_Kasten_Radius", "Biegeradius r", "mm", "Millimeter", "Der Innenradius jeder Biegung"},
    {"Txt_Kasten_Laenge", "Länge A", "mm", "Millimeter",
     "Der Boden entlang der Wände vorne und hinten"},
    {"Txt_Kasten_Breite", "Breite B", "mm", "Millimeter",
     "Der Boden entlang der Wände links und rechts"},
    {"Txt_Kasten_Spalt", "Spalt g", "mm", "Millimeter",
     "Wie weit die kürzeren Wände an stumpfen Ecken vor den durchgehenden enden"},
    {"Txt_Kasten_Freistich", "Durchmesser d", "mm", "Millimeter",
     "Der Kreis des runden Freistichs, wo sich die Biegelinien kreuzen"},
};

QStringList measureWords()
{
    return {measureCaption(profile::Measure::Aussen), measureCaption(profile::Measure::Innen)};
}

} // namespace

BoxWindow::BoxWindow(const BoxDraft& draft, const QString& path)
    : PartWindow(QStringLiteral("Kasten"), path), m_model(new BoxModel(this))
{
    m_model->reset(draft);
    setUpPanes(
        {buildEditor(), m_results = new BoxResults(this), buildDrawings(), {520, 580}, {430, 330}});
    buildActions();

    connect(m_model, &BoxModel::draftChanged, this, &BoxWindow::showDraft);
    showDraft();
    updateTitle();
    resize(1120, 800);
    m_table->setCurrentIndex(m_model->index(0, BoxModel::Height));
    m_fields[0]->setFocus(Qt::OtherFocusReason);
}

QLineEdit* BoxWindow::addField(BoxCommon which, QWidget* parent)
{
    const FieldText& description = fieldTexts[static_cast<int>(which)];
    QLineEdit* text = makeField(description, parent);
    text->setMinimumWidth(text->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 16);
    connect(text, &QLineEdit::editingFinished, this,
            [this, which] { m_model->setCommonText(which, field(which)->text()); });
    text->installEventFilter(this);
    m_fields[static_cast<int>(which)] = text;
    return text;
}

QComboBox* BoxWindow::addChoice(const char* name, const QString& spoken, const QStringList& words,
                                QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(spoken);
    box->addItems(words);
    accessibility::speakCurrentItem(box);
    return box;
}

QWidget* BoxWindow::buildEditor()
{
    auto* editor = new QWidget(this);
    auto* layout = new QVBoxLayout(editor);
    layout->setContentsMargins(0, 0, 6, 0);

    // Caption, field and unit as in the profile window; A and B with their measure beside them.
    auto* common = new QGridLayout;
    const auto place = [this, editor, common](BoxCommon which, int row, int column) {
        const FieldText& description = fieldTexts[static_cast<int>(which)];
        common->addWidget(new QLabel(QString::fromUtf8(description.caption), editor), row, column,
                          Qt::AlignRight);
        common->addWidget(addField(which, editor), row, column + 1);
        common->addWidget(new QLabel(QString::fromUtf8(description.unit), editor), row, column + 2);
    };
    // On Linux a combo box is named by its item, and by its caption only as the caption's buddy.
    const auto measure = [editor, common](QComboBox* box, int row, int column) {
        auto* caption = new QLabel(QStringLiteral("Maß"), editor);
        caption->setBuddy(box);
        caption->setAccessibleName(box->accessibleName());
        common->addWidget(caption, row, column, Qt::AlignRight);
        common->addWidget(box, row, column + 1);
    };
    place(BoxCommon::Thickness, 0, 0);
    place(BoxCommon::Radius, 0, 5);
    place(BoxCommon::Length, 1, 0);
    m_lengthMeasure = addChoice("Cmb_Kasten_Laenge_Mass", QStringLiteral("Maß der Länge A"),
                                measureWords(), editor);
    measure(m_lengthMeasure, 1, 3);
    place(BoxCommon::Width, 1, 5);
    m_widthMeasure = addChoice("Cmb_Kasten_Breite_Mass", QStringLiteral("Maß der Breite B"),
                               measureWords(), editor);
    measure(m_widthMeasure, 1, 8);
    common->setColumnStretch(1, 1);
    common->setColumnStretch(6, 1);
    layout->addLayout(common);
    const auto measureOf = [](int index) {
        return index == 1 ? profile::Measure::Innen : profile::Measure::Aussen;
    };
    connect(m_lengthMeasure, &QComboBox::activated, this, [this, measureOf](int index) {
        commitEntry();
        m_model->choose([&](box::Box& part) { part.lengthMeasure = measureOf(index); },
                        QStringLiteral("Maß der Länge A"));
    });
    connect(m_widthMeasure, &QComboBox::activated, this, [this, measureOf](int index) {
        commitEntry();
        m_model->choose([&](box::Box& part) { part.widthMeasure = measureOf(index); },
                        QStringLiteral("Maß der Breite B"));
    });

    m_press = new PressBrakeGroup(QStringLiteral("Kasten"), this, editor);
    m_fields[static_cast<int>(BoxCommon::Die)] = m_press->dieField();
    m_fields[static_cast<int>(BoxCommon::PressLimit)] = m_press->pressField();
    connect(m_press, &PressBrakeGroup::choosing, this, &BoxWindow::commitEntry);
    connect(m_press, &PressBrakeGroup::materialChosen, this,
            [this](const std::optional<press::Material>& material) {
                m_model->choose([&](box::Box& part) { part.material = material; },
                                QStringLiteral("Werkstoff"));
            });
    connect(m_press, &PressBrakeGroup::rollingChosen, this,
            [this](press::RollingDirection rolling) {
                m_model->choose([&](box::Box& part) { part.rolling = rolling; },
                                QStringLiteral("Walzrichtung"));
            });
    connect(m_press, &PressBrakeGroup::dieTaken, this,
            [this](const QString& text) { m_model->setCommonText(BoxCommon::Die, text); });
    connect(m_press, &PressBrakeGroup::pressTaken, this,
            [this](const QString& text) { m_model->setCommonText(BoxCommon::PressLimit, text); });
    connect(m_press, &PressBrakeGroup::materialsChanged, this, &BoxWindow::reloadMaterials);
    layout->addWidget(m_press);

    auto* heading = new QLabel(QStringLiteral("Wände, ihre Höhe H (leer: keine Wand)"), editor);
    layout->addWidget(heading);
    m_table = new QTableView(editor);
    m_table->setObjectName(QStringLiteral("Tbl_Kasten_Waende"));
    m_table->setAccessibleName(QStringLiteral("Wände"));
    accessibility::reportCurrentCellOnFocus(m_table);
    m_table->setModel(m_model);
    m_table->setItemDelegate(new CellDelegate(
        this,
        [](const QModelIndex& index) {
            return index.column() == BoxModel::Measure ? measureWords() : QStringList();
        },
        &BoxModel::cellName, m_table));
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                             QAbstractItemView::EditKeyPressed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Four rows, always whole: the table is as tall as they are.
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const int rowHeight = m_table->verticalHeader()->defaultSectionSize();
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height() + 4 * rowHeight +
                            2 * m_table->frameWidth());
    heading->setBuddy(m_table);
    m_table->installEventFilter(this);
    layout->addWidget(m_table);

    auto* corners = new QGroupBox(QStringLiteral("Ecken und Freistich"), editor);
    corners->setObjectName(QStringLiteral("Kasten_Ecken"));
    auto* grid = new QGridLayout(corners);
    grid->setContentsMargins(6, 4, 6, 4);
    const auto caption = [corners, grid](const QString& text, int row, int column, QWidget* box) {
        auto* label = new QLabel(text, corners);
        if (box) {
            label->setBuddy(box);
            label->setAccessibleName(box->accessibleName());
        }
        grid->addWidget(label, row, column, Qt::AlignRight);
    };
    m_corners = addChoice("Cmb_Kasten_Ecken", QStringLiteral("Ecken"),
                          {QStringLiteral("offen"), QStringLiteral("stumpf")}, corners);
    m_corners->setToolTip(QStringLiteral("offen: jede Wand endet, wo der Boden endet; stumpf: ein "
                                         "Paar läuft bis zur Ecke durch"));
    m_through =
        addChoice("Cmb_Kasten_Durchgehend", QStringLiteral("Durchgehend"),
                  {QStringLiteral("vorne-hinten"), QStringLiteral("links-rechts")}, corners);
    m_through->setToolTip(QStringLiteral("Das Paar der Wände, das an stumpfen Ecken durchläuft"));
    m_relief = addChoice("Cmb_Kasten_Freistich", QStringLiteral("Freistich"),
                         {QStringLiteral("eckig"), QStringLiteral("rund")}, corners);
    m_relief->setToolTip(QStringLiteral("eckig: nur die Ausklinkung; rund: ein Kreis, wo sich die "
                                        "Biegelinien kreuzen"));
    caption(QStringLiteral("Ecken"), 0, 0, m_corners);
    grid->addWidget(m_corners, 0, 1);
    caption(QStringLiteral("durchgehend"), 0, 2, m_through);
    grid->addWidget(m_through, 0, 3, 1, 2);
    caption(QStringLiteral("Freistich"), 1, 0, m_relief);
    grid->addWidget(m_relief, 1, 1);
    const auto placeField = [this, corners, grid](BoxCommon which, int row, int column) {
        const FieldText& description = fieldTexts[static_cast<int>(which)];
        grid->addWidget(new QLabel(QString::fromUtf8(description.caption), corners), row, column,
                        Qt::AlignRight);
        grid->addWidget(addField(which, corners), row, column + 1);
        grid->addWidget(new QLabel(QString::fromUtf8(description.unit), corners), row, column + 2);
    };
    placeField(BoxCommon::Gap, 0, 5);
    placeField(BoxCommon::ReliefDiameter, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(6, 1);
    connect(m_corners, &QComboBox::activated, this, [this](int index) {
        commitEntry();
        m_model->choose(
            [&](box::Box& part) {
                part.corners = index == 1 ? box::CornerStyle::Stumpf : box::CornerStyle::Offen;
            },
            QStringLiteral("Ecken"));
    });
    connect(m_through, &QComboBox::activated, this, [this](int index) {
        commitEntry();
        m_model->choose(
            [&](box::Box& part) {
                part.through = index == 1 ? box::Through::LinksRechts : box::Through::VorneHinten;
            },
            QStringLiteral("Durchgehende Wände"));
    });
    connect(m_relief, &QComboBox::activated, this, [this](int index) {
        commitEntry();
        m_model->choose(
            [&](box::Box& part) {
                part.relief = index == 1 ? box::Relief::Rund : box::Relief::Eckig;
            },
            QStringLiteral("Freistich"));
    });
    layout->addWidget(corners);

    m_message = addMessage(editor);
    layout->addWidget(m_message);
    layout->addStretch(1);
    return editor;
}

QWidget* BoxWindow::buildDrawings()
{
    auto* drawings = new QSplitter(Qt::Horizontal, this);
    m_blank = addDrawing(drawings, QStringLiteral("Zuschnitt mit Biegelinien"),
                         QStringLiteral("Kasten_Zuschnitt"),
                         QStringLiteral("Zeichnung des Zuschnitts mit Biegelinien"));
    m_folded =
        addDrawing(drawings, QStringLiteral("Gefalteter Kasten"), QStringLiteral("Kasten_Gefaltet"),
                   QStringLiteral("Zeichnung des gefalteten Kastens"));
    drawings->setChildrenCollapsible(false);
    const QString none = QStringLiteral("Noch kein berechneter Kasten: die Zeile unter den "
                                        "Eingaben sagt, was fehlt.");
    m_blank->show({}, none);
    m_folded->show({}, none);
    return drawings;
}

void BoxWindow::buildActions()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction* create = newCommand(this, QStringLiteral("Neuer &Kasten"),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    connect(create, &QAction::triggered, this, &BoxWindow::openNew);
    QAction* profile = newCommand(this, QStringLiteral("Neues &Profil"), QKeySequence::New);
    connect(profile, &QAction::triggered, this, [] { (new ProfileWindow)->show(); });
    QAction* open =
        addCommand(this, QStringLiteral("Ö&ffnen…"), QKeySequence::Open, &BoxWindow::open);
    file->addAction(create);
    file->addAction(profile);
    file->addAction(open);
    const FileCommands files = addFileCommands(this, file);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    const UndoCommands undo =
        addUndoCommands(this, edit, m_model->undoStack(), [this] { commitEntry(); });
    const PressCommands press = addPressCommands(this, edit);
    m_updateMaterial = press.updateMaterial;

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    help->addAction(addCommand(this, QStringLiteral("&Benutzerhinweise"),
                               QKeySequence::HelpContents, &BoxWindow::showHelp));

    addCommandBar(this, QStringLiteral("Kasten_Werkzeuge"),
                  {create, open, files.save, files.exporting, files.printing}, undo, press.copy);
}

void BoxWindow::commitEntry()
{
    QWidget* focus = QApplication::focusWidget();
    for (int i = 0; i < boxCommonCount; ++i) {
        if (focus == m_fields[i])
            m_model->setCommonText(BoxCommon(i), m_fields[i]->text());
    }
    commitCellEditor(m_table, focus);
}

void BoxWindow::showDraft()
{
    const BoxCheck& check = m_model->check();
    const box::Box& part = m_model->box();
    m_press->show({&part.material, part.rolling, part.thickness, part.die});
    m_updateMaterial->setEnabled(m_press->materialDiffers());
    for (int i = 0; i < boxCommonCount; ++i) {
        const auto which = BoxCommon(i);
        QLineEdit* text = m_fields[i];
        if (text->text() != m_model->commonText(which))
            text->setText(m_model->commonText(which));
        markField(text, m_model->isMarked(which),
                  check.common == which ? check.message : QString());
    }
    // With a die the radius is the die's: shown, not typed.
    QLineEdit* radius = field(BoxCommon::Radius);
    radius->setReadOnly(part.die.has_value());
    radius->setToolTip(part.die ? QStringLiteral("aus der Matrize V %1")
                                      .arg(QString::fromStdString(NumberToText(*part.die)))
                                : QString::fromUtf8(fieldTexts[1].toolTip));
    m_lengthMeasure->setCurrentIndex(part.lengthMeasure == profile::Measure::Innen ? 1 : 0);
    m_widthMeasure->setCurrentIndex(part.widthMeasure == profile::Measure::Innen ? 1 : 0);
    const bool stumpf = part.corners == box::CornerStyle::Stumpf;
    m_corners->setCurrentIndex(stumpf ? 1 : 0);
    m_through->setCurrentIndex(part.through == box::Through::LinksRechts ? 1 : 0);
    m_through->setEnabled(stumpf);
    field(BoxCommon::Gap)->setEnabled(stumpf);
    const bool round = part.relief == box::Relief::Rund;
    m_relief->setCurrentIndex(round ? 1 : 0);
    field(BoxCommon::ReliefDiameter)->setEnabled(round);
    m_message->setText(check.message);

    if (!check.result) {
        m_results->setCurrent(false);
        m_blank->setStale(true);
        m_folded->setStale(true);
        return;
    }
    m_results->show(part, *check.result);
    m_blank->setStale(false);
    m_folded->setStale(false);
    // A box too large for the numbers of a drawing gets the reason in the drawing's place.
    // Each is written again for its view's size, its texts as high as the window's.
    const auto show = [](SvgView* view, DrawingAt draw) {
        try {
            view->show(std::move(draw));
        } catch (const std::runtime_error& refused) {
            view->show({}, QString::fromStdString(refused.what()) + QLatin1Char('.'));
        }
    };
    show(m_blank, [part, result = *check.result](double textHeight) {
        return box::blankSvg(part, result, {textHeight});
    });
    show(m_folded, [part, result = *check.result](double textHeight) {
        return box::foldedSvg(part, result, {textHeight});
    });
}

void BoxWindow::openNew()
{
    auto* window = new BoxWindow;
    window->show();
    window->activateWindow();
}

const BoxWindows& BoxWindow::waysIn()
{
    static constexpr BoxWindows ways{&openNew};
    return ways;
}

void BoxWindow::showHelp()
{
    showHelpAt(this, m_help, QStringLiteral("Kästen"));
}

void BoxWindow::openTestBend()
{
    commitEntry();
    const box::Box& part = m_model->box();
    auto* dialog = new TestBendDialog(
        m_press->materials(),
        part.material ? QString::fromStdString(part.material->name) : QString(),
        m_model->commonText(BoxCommon::Thickness), m_model->commonText(BoxCommon::Die), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &TestBendDialog::materialsWritten, this, &PressBrakeGroup::reloadEverywhere);
    dialog->show();
}

void BoxWindow::reloadMaterials()
{
    if (const std::optional<press::Material> taken = m_press->reload(m_model->box().material))
        m_model->choose([&](box::Box& part) { part.material = taken; },
                        QStringLiteral("Werkstoff aktualisiert"));
    else
        showDraft();
}

void BoxWindow::updateMaterial()
{
    commitEntry();
    const box::Box& part = m_model->box();
    if (!part.material)
        return;
    if (const press::Material* now =
            press::findMaterial(m_press->materials().catalog, part.material->name))
        m_model->choose([&](box::Box& changed) { changed.material = *now; },
                        QStringLiteral("Werkstoff aktualisiert"));
}

} // namespace kantrix
