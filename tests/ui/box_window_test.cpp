// The box window driven by keys on the offscreen platform: the worked box typed into an empty
// window, undo and redo, a file saved and opened again with its material, the exports read back,
// and values refused at their place while the last box stays greyed.

#include "box_answer.h"
#include "box_drawing.h"
#include "box_model.h"
#include "box_options.h"
#include "box_results.h"
#include "box_window.h"
#include "builtin_materials.h"
#include "elided_label.h"
#include "field_marks.h"
#include "file_size_limit.h"
#include "press_brake_group.h"
#include "profile_model.h"
#include "profile_window.h"
#include "row_names.h"
#include "svg_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>

namespace kantrix::test {
namespace {

using kantrix::test::PrintTo;

// The library's worked box: 300 x 200 with four walls of 50, s = r = 1.5.
box::Box workedBox()
{
    box::BoxOptions options;
    options.dicke = "1.5";
    options.radius = "1.5";
    options.laenge = "300";
    options.breite = "200";
    options.hoehe = "50";
    return box::readBoxOptions(options);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class BoxWindowTest : public testing::Test
{
protected:
    // Each test has a configuration folder of its own: an empty materials folder.
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_config = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", path("config").toLocal8Bit());
    }
    void TearDown() override
    {
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "an unexpected modal dialog";
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<QMainWindow*>(top))
                if (qobject_cast<BoxWindow*>(window) || qobject_cast<ProfileWindow*>(window)) {
                    if (auto* box = qobject_cast<BoxWindow*>(window))
                        box->model()->undoStack()->setClean();
                    window->deleteLater();
                }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qputenv("XDG_CONFIG_HOME", m_config);
    }

    BoxWindow& open(const box::Box* part = nullptr)
    {
        m_window = new BoxWindow(part ? BoxDraft::of(*part) : BoxDraft::empty());
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window));
        return *m_window;
    }
    BoxWindow& window() { return *m_window; }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
    }
    void type(const QString& text)
    {
        for (const QChar character : text)
            QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr),
                                Qt::Key(character.toUpper().unicode()), QString(character),
                                Qt::NoModifier);
    }
    void typeInField(BoxCommon which, const QString& text)
    {
        QLineEdit* field = window().field(which);
        field->setFocus();
        field->selectAll();
        type(text);
        press(Qt::Key_Return);
    }
    // F2 opens the cell as a user does; an empty text deletes what it holds.
    void typeInCell(int row, const QString& text)
    {
        window().table()->setFocus();
        window().table()->setCurrentIndex(window().model()->index(row, BoxModel::Height));
        press(Qt::Key_F2);
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_A, Qt::ControlModifier);
        press(Qt::Key_Delete);
        type(text);
        press(Qt::Key_Return);
    }
    QString blankShown() const
    {
        return m_window->results()->blankLength()->wholeText() + QLatin1Char(' ') +
               m_window->results()->blankWidth()->wholeText();
    }
    static QString blankOf(const box::Box& part)
    {
        const box::BoxResult result = box::computeBox(part);
        return QStringLiteral("Länge = %1 mm Breite = %2 mm")
            .arg(shownLength(result.blankLength()), shownLength(result.blankWidth()));
    }

    template <typename Dialog> void whenOpen(std::function<void(Dialog*)> act)
    {
        auto* timer = new QTimer(m_window);
        QObject::connect(timer, &QTimer::timeout, [timer, act] {
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                act(dialog);
            }
        });
        timer->start(20);
    }

    QString path(const char* name) const { return m_folder.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_folder;
    QPointer<BoxWindow> m_window;
    QByteArray m_config;
};

// State: an empty box window. Action: s, r, A and B typed into their fields, the four heights
// into the walls' table. Expected: the worked box, its blank's size and both drawings.
TEST_F(BoxWindowTest, TypesTheWorkedBoxFromAnEmptyWindow)
{
    open();
    EXPECT_EQ(window().windowTitle().toStdString(), "Unbenannter Kasten[*] – Kantrix");
    typeInField(BoxCommon::Thickness, QStringLiteral("1.5"));
    typeInField(BoxCommon::Radius, QStringLiteral("1,5"));
    typeInField(BoxCommon::Length, QStringLiteral("300"));
    typeInField(BoxCommon::Width, QStringLiteral("200"));
    for (int row = 0; row < 4; ++row)
        typeInCell(row, QStringLiteral("50"));

    EXPECT_EQ(window().model()->box(), workedBox());
    EXPECT_TRUE(window().message()->text().isEmpty()) << window().message()->text().toStdString();
    EXPECT_EQ(blankShown(), blankOf(workedBox()));
    EXPECT_FALSE(window().blank()->svg().isEmpty());
    EXPECT_FALSE(window().folded()->svg().isEmpty());
    EXPECT_TRUE(window().isWindowModified());

    // An emptied height is no wall: the back one is gone from the box and from the blank.
    typeInCell(2, QString());
    box::Box open = workedBox();
    open.wall(box::Side::Hinten).reset();
    EXPECT_EQ(window().model()->box(), open);
    EXPECT_EQ(blankShown(), blankOf(open));
}

// State: the worked box. Action: s = 2 typed, a round relief chosen, then undone and redone by
// their keys. Expected: each step shows its box and its blank.
TEST_F(BoxWindowTest, UndoesAndRedoesEveryChange)
{
    const box::Box part = workedBox();
    open(&part);
    typeInField(BoxCommon::Thickness, QStringLiteral("2"));
    window().reliefBox()->setFocus();
    press(Qt::Key_Down);
    box::Box changed = part;
    changed.thickness = 2;
    ASSERT_EQ(window().model()->box().thickness, 2);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window().model()->box(), changed);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window().model()->box(), part);
    EXPECT_EQ(blankShown(), blankOf(part));
    EXPECT_FALSE(window().isWindowModified());
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window().model()->box(), changed);
    EXPECT_EQ(window().field(BoxCommon::Thickness)->text().toStdString(), "2.00");
}

// State: the worked box with a built-in material and a die, the materials folder empty. Action:
// Ctrl+S with a name, the window closed, the file opened as Ctrl+O opens it. Expected: the same
// box, its material shown, not modified, under the file's name.
TEST_F(BoxWindowTest, SavesAndOpensAgainWithItsMaterial)
{
    box::Box part = workedBox();
    part.material = press::builtinMaterials().front();
    part.die = 12;
    box::followDie(part);
    open(&part);
    whenOpen<QFileDialog>([this](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path("wanne"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    });
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(path("wanne.kkasten")));
    EXPECT_EQ(window().windowTitle().toStdString(), "wanne.kkasten[*] – Kantrix");
    delete m_window.data();

    auto* again = qobject_cast<BoxWindow*>(openPartFile(path("wanne.kkasten"), nullptr));
    ASSERT_NE(again, nullptr);
    m_window = again;
    EXPECT_EQ(again->model()->box(), part);
    EXPECT_FALSE(again->isWindowModified());
    EXPECT_EQ(again->pressBrake()->materialBox()->currentText().toStdString(), part.material->name);
}

struct FailingSave
{
    const char* name;
    const char* file;
    rlim_t limit; // bytes: a .kkasten waits whole in Qt's write buffer, a PDF is larger than it
};

class BoxFailingSaveTest : public BoxWindowTest, public testing::WithParamInterface<FailingSave>
{};

// State: the worked box changed, the file size limited below the file's. Action: the box saved,
// or its sheet exported, over an old file. Expected: a message that names the cause, the old file
// whole and alone in its folder, and the box still changed.
TEST_P(BoxFailingSaveTest, SaysWhyAndKeepsTheOldFileAndTheChange)
{
    const box::Box part = workedBox();
    open(&part);
    typeInField(BoxCommon::Thickness, QStringLiteral("2"));
    const QString file = path(GetParam().file);
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("the file before") > 0);
    old.close();
    const bool written = [&] {
        const FileSizeLimit limit(GetParam().limit);
        EXPECT_TRUE(limit.isSet());
        return file.endsWith(QLatin1String(".kkasten"))
                   ? window().saveTo(file)
                   : window().exportTo(file, BoxWindow::Export::SheetPdf);
    }();
    EXPECT_FALSE(written);
    auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QStringLiteral("Datei zu groß")))
        << message->text().toStdString();
    message->button(QMessageBox::Ok)->click();
    EXPECT_EQ(contents(file), QByteArray("the file before"));
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files),
              QStringList{QString::fromLatin1(GetParam().file)});
    EXPECT_TRUE(window().isWindowModified());
}

INSTANTIATE_TEST_SUITE_P(BoxWindow, BoxFailingSaveTest,
                         testing::Values(FailingSave{"BoxFile", "wanne.kkasten", 100},
                                         FailingSave{"SheetPdf", "wanne.pdf", 4096}),
                         rowName<FailingSave>);

struct ExportRow
{
    const char* name;
    const char* file;
    int filter; // into BoxWindow::exportFilters()
    BoxWindow::Export kind;
};

class BoxExportTest : public BoxWindowTest, public testing::WithParamInterface<ExportRow>
{};

// State: the worked box. Action: an export under a name and a filter. Expected: the kind the name
// decides, or the filter for .svg; the file holds the library's text, or a sheet with the blank.
TEST_P(BoxExportTest, WritesTheKindTheNameDecides)
{
    const box::Box part = workedBox();
    open(&part);
    const ExportRow& row = GetParam();
    const QString file = path(row.file);
    const auto kind = BoxWindow::exportKind(file, BoxWindow::exportFilters().value(row.filter));
    ASSERT_EQ(kind, row.kind);
    ASSERT_TRUE(window().exportTo(file, kind));
    const box::BoxResult result = box::computeBox(part);
    switch (kind) {
    case BoxWindow::Export::BlankDxf:
        EXPECT_EQ(contents(file).toStdString(), box::blankDxf(part, result));
        break;
    case BoxWindow::Export::BlankSvg:
        EXPECT_EQ(contents(file).toStdString(), box::blankSvg(part, result));
        break;
    case BoxWindow::Export::FoldedSvg:
        EXPECT_EQ(contents(file).toStdString(), box::foldedSvg(part, result));
        break;
    case BoxWindow::Export::SheetPdf: {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(10000));
        const QString sheet = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(sheet.contains(
            QStringLiteral("Zuschnitt %1 × %2 mm")
                .arg(shownLength(result.blankLength()), shownLength(result.blankWidth()))))
            << sheet.toStdString();
    }
    }
}

INSTANTIATE_TEST_SUITE_P(
    BoxWindow, BoxExportTest,
    testing::Values(ExportRow{"DxfWhateverTheFilter", "a.dxf", 3, BoxWindow::Export::BlankDxf},
                    ExportRow{"PdfWhateverTheFilter", "a.pdf", 0, BoxWindow::Export::SheetPdf},
                    ExportRow{"SvgOfTheBlank", "a.svg", 1, BoxWindow::Export::BlankSvg},
                    ExportRow{"SvgOfTheFoldedBox", "a.svg", 2, BoxWindow::Export::FoldedSvg}),
    rowName<ExportRow>);

// A value typed where it is refused, or warned of.
struct RefusalRow
{
    const char* name;
    std::optional<BoxCommon> field; // else the height of the wall `row`
    int row;
    const char* text;
    const char* message; // a part of the message under the table; "" for a warning
};

class BoxRefusalTest : public BoxWindowTest, public testing::WithParamInterface<RefusalRow>
{};

// State: the worked box. Action: a value typed. Expected: a refusal marks its field or cell,
// says why under the table and leaves the last box's results and drawings greyed; a wall too
// short for the die is marked yellow with its note and the box still worked out.
TEST_P(BoxRefusalTest, MarksItsPlaceAndKeepsTheLastBoxGreyed)
{
    box::Box part = workedBox();
    if (*GetParam().message == '\0') {
        part.die = 16;
        box::followDie(part);
    }
    open(&part);
    const QString before = blankShown();
    const RefusalRow& row = GetParam();
    if (row.field)
        typeInField(*row.field, QString::fromUtf8(row.text));
    else
        typeInCell(row.row, QString::fromUtf8(row.text));
    const QString message = window().message()->text();
    EXPECT_TRUE(message.contains(QString::fromUtf8(row.message))) << message.toStdString();
    const QModelIndex cell = window().model()->index(row.row, BoxModel::Height);
    if (*row.message == '\0') {
        EXPECT_TRUE(window().results()->isCurrent());
        EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), warnedBase);
        EXPECT_FALSE(cell.data(Qt::ToolTipRole).toString().isEmpty());
        return;
    }
    EXPECT_FALSE(window().results()->isCurrent());
    EXPECT_EQ(blankShown(), before);
    EXPECT_FALSE(window().results()->walls()->isEnabled());
    if (row.field) {
        EXPECT_EQ(window().field(*row.field)->palette().color(QPalette::Base), refusedBase);
        EXPECT_TRUE(window().field(*row.field)->text().startsWith(QString::fromUtf8(row.text)));
    } else {
        EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), refusedBase);
    }
    // Put right, the box is current again.
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(window().results()->isCurrent());
    EXPECT_EQ(window().model()->box(), part);
}

INSTANTIATE_TEST_SUITE_P(
    BoxWindow, BoxRefusalTest,
    testing::Values(RefusalRow{"ThicknessNoNumber", BoxCommon::Thickness, 0, "1,5x",
                               "ist keine Zahl"},
                    RefusalRow{"BaseTooSmallForItsBends", BoxCommon::Length, 0, "2", "Länge A"},
                    RefusalRow{"HeightNoNumber", std::nullopt, 1, "fünfzig", "Wand rechts, Höhe"},
                    RefusalRow{"ShortWallIsWarnedOf", std::nullopt, 0, "8", ""}),
    rowName<RefusalRow>);

// State: the worked box. Action: Ctrl+Shift+C. Expected: the command line's answer of the box.
TEST_F(BoxWindowTest, CopiesTheCommandLinesAnswer)
{
    const box::Box part = workedBox();
    open(&part);
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              box::answerTable(part, box::computeBox(part)));
}

} // namespace
} // namespace kantrix::test
