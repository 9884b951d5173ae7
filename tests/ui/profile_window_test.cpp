// The profile window driven as a user does, by keys on the offscreen platform: a U channel typed
// into an empty profile, undo and redo, a file saved and opened again, the exports read back, a
// refused value that keeps its text and the last results, and the question on closing.

#include "bending_force.h"
#include "elided_label.h"
#include "field_marks.h"
#include "file_size_limit.h"
#include "help_window.h"
#include "material_catalog.h"
#include "materials_dialog.h"
#include "number_text.h"
#include "profile_answer.h"
#include "profile_drawing.h"
#include "profile_file.h"
#include "profile_model.h"
#include "profile_results.h"
#include "profile_window.h"
#include "start_shown.h"
#include "svg_view.h"
#include "test_bend_dialog.h"
#include "test_bend_options.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
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
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <QUndoStack>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace kantrix::test {
namespace {

using kantrix::test::PrintTo;
using profile::Profile;

Profile uChannel()
{
    Profile part;
    part.thickness = 2;
    part.radius = 2;
    part.width = 300;
    part.legs = {{50, profile::Measure::Aussen},
                 {100, profile::Measure::Aussen},
                 {50, profile::Measure::Aussen}};
    part.bends = {{90, std::nullopt, profile::Direction::Plus},
                  {90, std::nullopt, profile::Direction::Plus}};
    return part;
}

QString lengthText(const Profile& part)
{
    return shownLength(profile::computeProfile(part).developedLength);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Deleting a window deletes the dialogs it owns, which are top-level widgets too.
void closeProfileWindows()
{
    QList<QPointer<ProfileWindow>> open;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<ProfileWindow*>(top))
            open << window;
    for (const QPointer<ProfileWindow>& window : open) {
        if (!window)
            continue;
        window->model()->undoStack()->setClean();
        delete window.data();
    }
}

class ProfileWindowTest : public testing::Test
{
protected:
    // Each test has a configuration folder of its own, for the user's materials file.
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
        closeProfileWindows();
        qputenv("XDG_CONFIG_HOME", m_config);
    }
    QString materialsPath() const { return path("config/kantrix/werkstoffe.json"); }
    void writeMaterials(const QByteArray& text)
    {
        ASSERT_TRUE(QDir().mkpath(path("config/kantrix")));
        QFile file(materialsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    ProfileWindow& open(const Profile* part = nullptr, const QString& path = {})
    {
        m_window = new ProfileWindow(part ? ProfileDraft::of(*part) : ProfileDraft::empty(), path);
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window));
        return *m_window;
    }
    ProfileWindow& window() { return *m_window; }

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
    // Puts the cursor on a cell and types a value into it, as a spreadsheet takes it.
    void typeInCell(int row, int column, const QString& text, Qt::Key then = Qt::Key_Return)
    {
        window().table()->setFocus();
        window().table()->setCurrentIndex(window().model()->index(row, column));
        type(text);
        press(then);
    }
    QString cell(int row, int column) const
    {
        return m_window->model()->index(row, column).data().toString();
    }
    QString lengthShown() const { return m_window->results()->length()->wholeText(); }

    // Acts on the next modal dialog of type Dialog as soon as it is open, also within exec().
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
    void answerFileDialog(const QString& file)
    {
        whenOpen<QFileDialog>([file](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(file);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        });
    }

    QString path(const char* name) const { return m_folder.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_folder;
    QPointer<ProfileWindow> m_window;
    QByteArray m_config;
};

// State: an empty profile. Action: s, r and W typed into their fields, the legs into the table,
// a third leg inserted by its key. Expected: the U channel, its L and both drawings.
TEST_F(ProfileWindowTest, BuildsUChannelFromEmptyProfileByKeys)
{
    open();
    EXPECT_EQ(window().windowTitle().toStdString(), "Unbenanntes Profil[*] – Kantrix");
    EXPECT_FALSE(window().results()->hasResult());
    for (const char* value : {"2", "2", "300"}) {
        type(QString::fromLatin1(value));
        press(Qt::Key_Tab);
    }
    typeInCell(0, ProfileModel::Length, QStringLiteral("50"), Qt::Key_Tab);
    // Tab walks the row, into the next one's length.
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    type(QStringLiteral("100"));
    press(Qt::Key_Return);
    press(Qt::Key_Insert, Qt::ControlModifier);
    type(QStringLiteral("50"));
    press(Qt::Key_Return);

    EXPECT_EQ(window().model()->profile(), uChannel());
    EXPECT_TRUE(window().message()->text().isEmpty()) << window().message()->text().toStdString();
    EXPECT_TRUE(lengthShown().contains(lengthText(uChannel()))) << lengthShown().toStdString();
    EXPECT_TRUE(window().results()->isCurrent());
    EXPECT_FALSE(window().section()->svg().isEmpty());
    EXPECT_FALSE(window().blank()->svg().isEmpty());
    EXPECT_TRUE(window().isWindowModified());
}

// State: the U channel. Action: s = 3 typed, then undo and redo by their keys. Expected: each
// step shows its s and L, and the menu names the change.
TEST_F(ProfileWindowTest, UndoAndRedoTheThickness)
{
    const Profile part = uChannel();
    open(&part);
    Profile thicker = part;
    thicker.thickness = 3;
    QLineEdit* s = window().field(ProfileCommon::Thickness);
    s->setFocus();
    s->selectAll();
    type(QStringLiteral("3"));
    press(Qt::Key_Return);
    EXPECT_EQ(s->text().toStdString(), "3.00");
    EXPECT_TRUE(lengthShown().contains(lengthText(thicker)));
    EXPECT_TRUE(window().isWindowModified());

    const auto undoEntry = [this] {
        for (QAction* action : window().actions())
            if (action->shortcut() == QKeySequence::Undo)
                return action->text().toStdString();
        return std::string();
    };
    EXPECT_EQ(undoEntry(), "&Rückgängig: Blechdicke s");
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s->text().toStdString(), "2.00");
    EXPECT_TRUE(lengthShown().contains(lengthText(part)));
    EXPECT_FALSE(window().isWindowModified());
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(s->text().toStdString(), "3.00");
    EXPECT_EQ(window().model()->profile(), thicker);
}

// State: the U channel, never saved. Action: Ctrl+S with a name, then the file opened again.
// Expected: the same profile, unchanged, under the file's name.
TEST_F(ProfileWindowTest, SavesAndOpensAgain)
{
    const Profile part = uChannel();
    open(&part);
    answerFileDialog(path("u"));
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(path("u.kprofil")));
    EXPECT_EQ(window().windowTitle().toStdString(), "u.kprofil[*] – Kantrix");
    EXPECT_FALSE(window().isWindowModified());

    QPointer<ProfileWindow> first = m_window;
    delete first;
    ProfileWindow* again = ProfileWindow::openFile(path("u.kprofil"), nullptr);
    ASSERT_NE(again, nullptr);
    m_window = again;
    EXPECT_EQ(again->model()->profile(), part);
    EXPECT_FALSE(again->isWindowModified());
    EXPECT_EQ(again->filePath(), path("u.kprofil"));
}

// State: a part made at the press brake, with a material of test bends and a die. Action: the
// part saved from the window. Expected: the file still carries the whole material.
TEST_F(ProfileWindowTest, KeepsTheMaterialOfAPartFromThePressBrake)
{
    Profile part = uChannel();
    part.material = press::requireMaterial(press::materialCatalog(), "DC01");
    part.material->testBends = {{2, 2, std::nullopt, 90, 88, 200, 101.9, 101.9}};
    part.die = 16;
    part.pressLimit = 80;
    profile::followDie(part);
    open(&part);
    const QString file = path("presse.kprofil");
    ASSERT_TRUE(window().saveTo(file));
    EXPECT_EQ(profile::readProfileFile(contents(file).toStdString(), "presse.kprofil"), part);
}

// A U channel of s 1.5 at the press brake: S235JR on a V 12 die, 300 long.
Profile atThePress()
{
    Profile part = uChannel();
    part.thickness = 1.5;
    part.material = press::requireMaterial(press::materialCatalog(), "S235JR");
    part.die = 12;
    profile::followDie(part);
    return part;
}

QString forceText(double value)
{
    return QString::fromStdString(FormatNumber(value, press::forceDecimals));
}

// State: a U channel of s 1.5. Action: S235JR chosen from the list, V 12 typed, then undone.
// Expected: r is the die's 1.92, read-only; the largest force and each bend's force, least flange
// and k source; each undo takes one of them back, and the part is as it was.
TEST_F(ProfileWindowTest, MaterialAndDieGiveRadiusAndForcesAndAreUndone)
{
    Profile part = uChannel();
    part.thickness = 1.5;
    open(&part);
    EXPECT_FALSE(window().results()->force()->isVisible());
    EXPECT_TRUE(window().results()->bends()->isColumnHidden(7));

    QComboBox* material = window().materialBox();
    material->setFocus();
    press(Qt::Key_F4);
    type(QStringLiteral("S235JR"));
    press(Qt::Key_Return);
    // The user's next key comes a moment later: keys right after the list closes do not arrive.
    QTest::qWait(400);
    EXPECT_EQ(material->currentText().toStdString(), "S235JR");
    QLineEdit* die = window().field(ProfileCommon::Die);
    press(Qt::Key_Tab);
    type(QStringLiteral("12"));
    press(Qt::Key_Tab);

    const Profile expected = atThePress();
    ASSERT_EQ(window().model()->profile(), expected);
    const profile::ProfileResult result = profile::computeProfile(expected);
    QLineEdit* radius = window().field(ProfileCommon::Radius);
    EXPECT_EQ(radius->text().toStdString(), "1.92");
    EXPECT_TRUE(radius->isReadOnly());
    EXPECT_EQ(radius->toolTip().toStdString(), "aus der Matrize V 12");
    EXPECT_EQ(window().results()->force()->wholeText(),
              QStringLiteral("Größte Kraft F = %1 kN").arg(forceText(*result.largestForce)));
    const QTableWidget* bends = window().results()->bends();
    EXPECT_FALSE(bends->isColumnHidden(7));
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(bends->item(row, 6)->text().toStdString(), "DIN 6935");
        EXPECT_EQ(bends->item(row, 7)->text(), forceText(*result.bends[0].force));
        EXPECT_EQ(bends->item(row, 8)->text(), shownLength(*result.bends[0].leastFlange));
        EXPECT_EQ(bends->item(row, 9)->text().toStdString(), "–");
    }
    EXPECT_EQ(bends->item(1, 7)->data(Qt::AccessibleTextRole).toString().toStdString(),
              "Kraft Biegung 2, Kilonewton");
    EXPECT_EQ(bends->item(1, 8)->data(Qt::AccessibleTextRole).toString().toStdString(),
              "Kleinster Schenkel an Biegung 2, Millimeter");
    EXPECT_EQ(bends->item(1, 9)->data(Qt::AccessibleTextRole).toString().toStdString(),
              "Einstellwinkel Biegung 2, Grad");

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(window().model()->profile().die);
    EXPECT_EQ(radius->text().toStdString(), "2.00");
    EXPECT_FALSE(radius->isReadOnly());
    EXPECT_TRUE(die->text().isEmpty());
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window().model()->profile(), part);
    EXPECT_EQ(material->currentText().toStdString(), "kein Werkstoff");
    EXPECT_FALSE(window().results()->force()->isVisible());
    EXPECT_FALSE(window().isWindowModified());
}

struct PressEntry
{
    const char* name;
    ProfileCommon field;
    const char* typed;
    const char* message; // a part of the line under the table; empty when taken
};

class PressEntryTest : public ProfileWindowTest, public testing::WithParamInterface<PressEntry>
{};

// State: the U channel at the press brake. Action: a text typed into the die or the press.
// Expected: a number is taken, an empty field takes the value away; a refused one stays as
// typed, marked and named under the table.
TEST_P(PressEntryTest, IsTakenOrKeptAsTyped)
{
    const Profile part = atThePress();
    open(&part);
    const PressEntry& row = GetParam();
    QLineEdit* text = window().field(row.field);
    text->setFocus();
    text->selectAll();
    press(Qt::Key_Backspace);
    type(QString::fromUtf8(row.typed));
    press(Qt::Key_Tab);
    EXPECT_EQ(text->text().toStdString(), row.typed);
    EXPECT_EQ(window().model()->isMarked(row.field), *row.message != 0);
    EXPECT_TRUE(window().message()->text().contains(QString::fromUtf8(row.message)))
        << window().message()->text().toStdString();
    EXPECT_EQ(window().results()->isCurrent(), *row.message == 0);
}

INSTANTIATE_TEST_SUITE_P(
    ProfileWindow, PressEntryTest,
    testing::Values(PressEntry{"DieTaken", ProfileCommon::Die, "16", ""},
                    PressEntry{"DieRemoved", ProfileCommon::Die, "", ""},
                    PressEntry{"DieNoNumber", ProfileCommon::Die, "V12", "„V12“ ist keine Zahl"},
                    PressEntry{"DieZero", ProfileCommon::Die, "0", "Matrizenöffnung V = 0"},
                    PressEntry{"PressTaken", ProfileCommon::PressLimit, "80", ""},
                    PressEntry{"PressNegative", ProfileCommon::PressLimit, "-5", "Presse"}),
    rowName<PressEntry>);

// State: the U channel on a V 12 die. Action: leg 3 made 8 long, below the least flange 8.485.
// Expected: the leg is marked as a warning, in another colour than a refusal, with the note as
// its tooltip; the profile is worked out, not refused.
TEST_F(ProfileWindowTest, LegShorterThanTheLeastFlangeIsMarkedNotRefused)
{
    Profile part = atThePress();
    open(&part);
    const QModelIndex leg = window().model()->index(2, ProfileModel::Length);
    EXPECT_FALSE(leg.data(Qt::BackgroundRole).isValid());
    typeInCell(2, ProfileModel::Length, QStringLiteral("8"));
    EXPECT_TRUE(window().results()->isCurrent());
    EXPECT_TRUE(window().message()->text().isEmpty());
    EXPECT_FALSE(window().model()->isMarked(leg));
    const QVariant warning = leg.data(Qt::BackgroundRole);
    ASSERT_TRUE(warning.isValid());
    part.legs[2].length = 8;
    const std::string note = *profile::computeProfile(part).legs[2].leastFlangeNote;
    EXPECT_EQ(leg.data(Qt::ToolTipRole).toString().toStdString(), note);
    EXPECT_TRUE(
        leg.data(Qt::AccessibleDescriptionRole).toString().endsWith(QString::fromStdString(note)));
    typeInCell(1, ProfileModel::Length, QStringLiteral("x"));
    EXPECT_NE(window().model()->index(1, ProfileModel::Length).data(Qt::BackgroundRole), warning);
}

// State: the U channel in a window of its usual size, its notes whole. Action: 1e308 typed into
// a leg, then undone. Expected: the window keeps its width, before and after the undo.
TEST_F(ProfileWindowTest, LongNumberDoesNotWidenTheWindow)
{
    const Profile part = uChannel();
    open(&part);
    // "Keine Hinweise." shows whole under the bends.
    const QLabel* notes = window().results()->notes();
    EXPECT_EQ(notes->visibleRegion().boundingRect().height(), notes->height());
    const int width = window().width();
    const int least = window().minimumSizeHint().width();
    typeInCell(1, ProfileModel::Length, QStringLiteral("1e308"));
    EXPECT_TRUE(window().results()->isCurrent());
    EXPECT_LE(window().minimumSizeHint().width(), least);
    // The whole L in the tooltip, its start in the label.
    const ElidedLabel* length = window().results()->length();
    EXPECT_EQ(length->toolTip(), length->wholeText());
    EXPECT_TRUE(length->text().startsWith(QStringLiteral("Gestreckte Länge L = 100")))
        << length->text().toStdString();
    press(Qt::Key_Z, Qt::ControlModifier);
    QTest::qWait(50);
    EXPECT_EQ(window().width(), width);
}

// State: the U channel at the press brake, with a short leg and a weak press, so several notes.
// Action: the window made as small as it allows. Expected: every caption, label and button shows
// its whole text, L and the largest force too; the notes are whole, or scroll.
TEST_F(ProfileWindowTest, NoCaptionIsClippedAtTheSmallestSize)
{
    Profile part = atThePress();
    part.legs[2].length = 8;
    part.pressLimit = 20;
    open(&part);
    window().resize(window().minimumSizeHint());
    QTest::qWait(50);
    for (const QLabel* label : window().findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window()) || label->wordWrap() ||
            qobject_cast<const ElidedLabel*>(label))
            continue;
        EXPECT_GE(label->contentsRect().width(),
                  label->fontMetrics().horizontalAdvance(label->text()))
            << label->text().toStdString();
        EXPECT_GE(label->height(), label->fontMetrics().height()) << label->text().toStdString();
    }
    for (const QAbstractButton* button : window().findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window()) || button->text().isEmpty())
            continue;
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    }
    for (const ElidedLabel* result : {window().results()->length(), window().results()->force()})
        EXPECT_EQ(result->text().toStdString(), result->wholeText().toStdString());
    const QLabel* notes = window().results()->notes();
    ASSERT_GE(notes->text().count(QLatin1Char('\n')), 2) << notes->text().toStdString();
    const int whole = notes->heightForWidth(notes->width());
    const auto* area = qobject_cast<const QScrollArea*>(notes->parentWidget()->parentWidget());
    EXPECT_TRUE(notes->visibleRegion().boundingRect().height() >= whole ||
                (area && area->verticalScrollBar()->isVisible()));
}

// State: the U channel of S235JR on V 12, no materials file. Action: Ctrl+T, a test bend typed
// and entered. Expected: the dialog shows the library's v and k; the file holds the test bend; the
// window takes k from it, and its bends, made like the test bend, get the measured v. Saved and
// opened again with the materials file gone, the part computes the same.
TEST_F(ProfileWindowTest, TestBendEnteredInTheDialogGivesTheMeasuredDeduction)
{
    const Profile part = atThePress();
    open(&part);
    press(Qt::Key_T, Qt::ControlModifier);
    auto* dialog = window().findChild<TestBendDialog*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(dialog->material()->currentText().toStdString(), "S235JR");
    EXPECT_EQ(dialog->field(TestBendDialog::Thickness)->text().toStdString(), "1.50");
    EXPECT_EQ(dialog->field(TestBendDialog::Die)->text().toStdString(), "12");
    dialog->field(TestBendDialog::Angle)->setFocus();
    for (const char* value : {"90", "88", "100", "51,5", "51.7"}) {
        type(QString::fromLatin1(value));
        press(Qt::Key_Tab);
    }
    const press::TypedTestBend expected = press::readTestBendOptions(
        {"S235JR", "1.5", std::nullopt, "12", "90", "88", "100", "51.5/51.7"},
        NumberStyle::PointOrComma, press::materialCatalog());
    EXPECT_EQ(dialog->value(0)->text().toStdString(), "-3.200");
    EXPECT_EQ(dialog->value(1)->text().toStdString(),
              FormatNumber(expected.result.k, threeDecimals));
    EXPECT_EQ(dialog->value(6)->text().toStdString(),
              FormatNumber(*expected.result.springback, threeDecimals));
    QTest::mouseClick(dialog->enter(), Qt::LeftButton);
    EXPECT_TRUE(dialog->message()->text().startsWith(QStringLiteral("Eingetragen")));
    EXPECT_NE(dialog->message()->palette().color(QPalette::WindowText), refusedText);
    // The same strip again: measured once, it counts once, and the dialog says so.
    EXPECT_TRUE(dialog->enterTestBend());
    EXPECT_TRUE(dialog->message()->text().contains(QStringLiteral("steht schon")))
        << dialog->message()->text().toStdString();

    const press::MaterialsFile file =
        press::readMaterialsFile(contents(materialsPath()).toStdString(), "werkstoffe.json");
    ASSERT_EQ(file.materials.size(), 1u);
    EXPECT_EQ(file.materials[0].testBends, std::vector{expected.bend});
    const QTableWidget* bends = window().results()->bends();
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(bends->item(row, 6)->text().toStdString(), "Probebiegungen");
        EXPECT_EQ(bends->item(row, 4)->text().toStdString(), "-3.200");
        EXPECT_EQ(bends->item(row, 9)->text(), shownTwoDecimals(88));
    }
    dialog->close();

    const QString saved = path("probe.kprofil");
    ASSERT_TRUE(window().saveTo(saved));
    const Profile withTestBend = window().model()->profile();
    ASSERT_TRUE(QFile::remove(materialsPath()));
    delete m_window.data();
    m_window = ProfileWindow::openFile(saved, nullptr);
    ASSERT_NE(m_window, nullptr);
    EXPECT_EQ(window().model()->profile(), withTestBend);
    EXPECT_EQ(window().results()->bends()->item(0, 4)->text().toStdString(), "-3.200");
}

struct TestBendEntry
{
    const char* name;
    TestBendDialog::Field field;
    const char* typed;
    const char* message; // a part of the dialog's message
    bool refused = true; // or only still lacking: not marked, not in red
};

class TestBendEntryTest : public ProfileWindowTest,
                          public testing::WithParamInterface<TestBendEntry>
{};

// State: the dialog over the U channel, a valid test bend typed. Action: one value changed to
// one the library refuses, or emptied. Expected: a refused field is marked and the message says
// why in red; an emptied one is named as lacking, unmarked. Nothing can be entered.
TEST_P(TestBendEntryTest, RefusalStandsAtItsField)
{
    const Profile part = atThePress();
    open(&part);
    press(Qt::Key_T, Qt::ControlModifier);
    auto* dialog = window().findChild<TestBendDialog*>();
    ASSERT_NE(dialog, nullptr);
    const char* valid[] = {"1.5", "12", "", "90", "88", "100", "51.5", "51.7"};
    for (int i = 0; i < TestBendDialog::FieldCount; ++i)
        dialog->field(TestBendDialog::Field(i))->setText(QString::fromLatin1(valid[i]));
    ASSERT_TRUE(dialog->enter()->isEnabled()) << dialog->message()->text().toStdString();
    const TestBendEntry& row = GetParam();
    QLineEdit* field = dialog->field(row.field);
    field->setFocus();
    field->selectAll();
    if (*row.typed)
        type(QString::fromUtf8(row.typed));
    else
        press(Qt::Key_Backspace);
    EXPECT_FALSE(dialog->enter()->isEnabled());
    EXPECT_TRUE(dialog->message()->text().contains(QString::fromUtf8(row.message)))
        << dialog->message()->text().toStdString();
    EXPECT_EQ(dialog->message()->palette().color(QPalette::WindowText) == refusedText, row.refused);
    for (int i = 0; i < TestBendDialog::FieldCount; ++i) {
        const QLineEdit* each = dialog->field(TestBendDialog::Field(i));
        EXPECT_EQ(!each->accessibleDescription().isEmpty(), row.refused && each == field)
            << each->objectName().toStdString();
    }
    EXPECT_EQ(dialog->value(1)->text().toStdString(), "–");
    EXPECT_FALSE(QFile::exists(materialsPath()));
}

INSTANTIATE_TEST_SUITE_P(
    ProfileWindow, TestBendEntryTest,
    testing::Values(TestBendEntry{"AngleTooSharp", TestBendDialog::Angle, "30", "45 bis 135 Grad"},
                    TestBendEntry{"SetAngleAboveBeta", TestBendDialog::SetAngle, "95",
                                  "Eingestellter Winkel βe"},
                    TestBendEntry{"NoNumber", TestBendDialog::CutLength, "1OO", "1OO"},
                    TestBendEntry{"RadiusBesideTheDie", TestBendDialog::Radius, "2",
                                  "entweder den Biegeradius r"},
                    TestBendEntry{"CutLengthEmptied", TestBendDialog::CutLength, "",
                                  "Zuschnitt L0 fehlt noch.", false},
                    TestBendEntry{"LegBEmptied", TestBendDialog::LegB, "", "Schenkel b fehlt noch.",
                                  false},
                    TestBendEntry{"NeitherDieNorRadius", TestBendDialog::Die, "",
                                  "Matrize V oder Biegeradius r fehlt noch.", false}),
    rowName<TestBendEntry>);

// State: a materials file that is not JSON. Action: a profile window opened, a test bend entered.
// Expected: a German message naming the file; the built-in materials still to choose; the test
// bend refused and the file as it was.
TEST_F(ProfileWindowTest, BrokenMaterialsFileIsNamedAndKept)
{
    const QByteArray broken = "{\"format\": \"kantrix-werkstoffe\", kaputt";
    writeMaterials(broken);
    const Profile part = atThePress();
    open(&part);
    const QString said = window().materialsMessage()->text();
    EXPECT_TRUE(said.contains(QStringLiteral("werkstoffe.json")) &&
                said.contains(QStringLiteral("wird nicht gelesen")))
        << said.toStdString();
    EXPECT_GE(window().materialBox()->findText(QStringLiteral("DC01")), 0);
    EXPECT_EQ(window().model()->profile(), part);

    press(Qt::Key_T, Qt::ControlModifier);
    auto* dialog = window().findChild<TestBendDialog*>();
    ASSERT_NE(dialog, nullptr);
    const char* valid[] = {"1.5", "12", "", "90", "88", "100", "51.5", "51.7"};
    for (int i = 0; i < TestBendDialog::FieldCount; ++i)
        dialog->field(TestBendDialog::Field(i))->setText(QString::fromLatin1(valid[i]));
    EXPECT_FALSE(dialog->enterTestBend());
    EXPECT_TRUE(dialog->message()->text().contains(QStringLiteral("nicht eingetragen")))
        << dialog->message()->text().toStdString();
    EXPECT_EQ(contents(materialsPath()), broken);
}

// State: the U channel of S235JR on V 12 with a press of 80 kN. Action: the sheet exported as
// PDF. Expected: it names material, die and press, the largest force, each bend's force and
// least flange, and the measure as "außen".
TEST_F(ProfileWindowTest, SheetShowsThePressBrake)
{
    Profile part = atThePress();
    part.pressLimit = 80;
    open(&part);
    const QString file = path("presse.pdf");
    ASSERT_TRUE(window().exportTo(file, ProfileWindow::Export::SheetPdf));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000));
    const QString sheet = QString::fromUtf8(text.readAllStandardOutput());
    const profile::ProfileResult result = profile::computeProfile(part);
    for (const QString& expected :
         {QStringLiteral("Werkstoff S235JR (1.0038), Rm = 510 N/mm²"),
          QStringLiteral("Matrize V = 12.000 mm (empfohlen V = 12.000 mm), Presse 80.0 kN"),
          QStringLiteral("größte Kraft F = %1 kN").arg(forceText(*result.largestForce)),
          QStringLiteral("An der Presse"),
          QStringLiteral("1 DIN 6935 %1 %2 %3 %4")
              .arg(shownLength(result.bends[0].kDin), forceText(*result.bends[0].force),
                   forceText(*result.bends[0].forcePerMetre),
                   shownLength(*result.bends[0].leastFlange)),
          QStringLiteral("50.000 außen")})
        EXPECT_TRUE(sheet.contains(expected)) << expected.toStdString() << "\n"
                                              << sheet.toStdString();
    EXPECT_FALSE(sheet.contains(QStringLiteral("aussen")));
}

// State: a part whose file brought S235JR with a test bend, no materials file. Expected: the
// window says the part brings its own data, not that the user's own differ (there are none);
// "Werkstoff aktualisieren" takes the built-in S235JR as one change, undone by Ctrl+Z.
TEST_F(ProfileWindowTest, UpdatesTheMaterialOfAFileToTheUsersData)
{
    Profile part = atThePress();
    part.material->testBends = {{1.5, 1.92, 12, 90, 88, 100, 51.5, 51.7}};
    open(&part);
    const QString said = window().materialsMessage()->text();
    EXPECT_TRUE(said.contains(QStringLiteral("bringt eigene Daten von S235JR")) &&
                !said.contains(QStringLiteral("Die eigenen Daten")))
        << said.toStdString();
    QAction* update = nullptr;
    for (QAction* action : window().actions())
        if (action->text() == QStringLiteral("Werkstoff &aktualisieren"))
            update = action;
    ASSERT_NE(update, nullptr);
    ASSERT_TRUE(update->isEnabled());
    update->trigger();
    EXPECT_EQ(window().model()->profile(), atThePress());
    EXPECT_FALSE(update->isEnabled());
    EXPECT_TRUE(window().materialsMessage()->text().isEmpty());
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window().model()->profile(), part);
}

class MaterialsMadeLaterTest : public ProfileWindowTest,
                               public testing::WithParamInterface<const char*>
{};

// State: a part of S235JR open, of the user's configuration only `GetParam()` made. Action:
// another program makes the rest of the folders and writes a test bend of S235JR. Expected: the
// window follows the file: its bends' k comes from the test bend.
TEST_P(MaterialsMadeLaterTest, IsFollowed)
{
    if (*GetParam()) {
        ASSERT_TRUE(QDir().mkpath(path(GetParam())));
    }
    const Profile part = atThePress();
    open(&part);
    const QTableWidget* bends = window().results()->bends();
    ASSERT_EQ(bends->item(0, 6)->text().toStdString(), "DIN 6935");
    press::UserMaterial s235;
    s235.name = "S235JR";
    s235.testBends = {{1.5, 1.92, 12, 90, 88, 100, 51.5, 51.7}};
    // The folder first, the file a moment later, as a program writing it whole would.
    ASSERT_TRUE(QDir().mkpath(path("config/kantrix")));
    QTest::qWait(200);
    writeMaterials(QByteArray::fromStdString(press::writeMaterialsFile({{s235}})));
    EXPECT_TRUE(QTest::qWaitFor(
        [bends] { return bends->item(0, 6)->text() == QStringLiteral("Probebiegungen"); }, 5000))
        << bends->item(0, 6)->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(ProfileWindow, MaterialsMadeLaterTest, testing::Values("", "config"),
                         [](const testing::TestParamInfo<const char*>& made) {
                             return *made.param ? std::string("ConfigFolder")
                                                : std::string("Nothing");
                         });

struct DeleteAnswer
{
    const char* name;
    const char* button;
    bool deletes;
};

class DeleteTestBendTest : public ProfileWindowTest,
                           public testing::WithParamInterface<DeleteAnswer>
{};

// State: a materials file with two test bends of S235JR. Action: "Werkstoffe…", the first test
// bend's row clicked, "Probebiegung löschen…" and an answer to the question. Expected: Löschen
// writes the file without it, Abbrechen leaves the file as it was.
TEST_P(DeleteTestBendTest, AsksFirst)
{
    const press::TestBend first{1.5, 1.92, 12, 90, 88, 100, 51.5, 51.7};
    const press::TestBend second{1.5, 1.92, 12, 90, std::nullopt, 100, 51.6, 51.6};
    press::UserMaterial s235;
    s235.name = "S235JR";
    s235.number = "9.9999";
    s235.testBends = {first, second};
    writeMaterials(QByteArray::fromStdString(press::writeMaterialsFile({{s235}})));
    const QByteArray before = contents(materialsPath());
    open();
    for (QAction* action : window().actions())
        if (action->text() == QStringLiteral("&Werkstoffe…"))
            action->trigger();
    auto* dialog = window().findChild<MaterialsDialog*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    int row = 0;
    while (row < dialog->model()->rowCount() &&
           !(dialog->model()->materialAt(row).name == "S235JR" &&
             dialog->model()->testBendAt(row) == 0u))
        ++row;
    ASSERT_LT(row, dialog->model()->rowCount());
    EXPECT_EQ(dialog->replacedValues()->text(),
              QStringLiteral("Die Werte von S235JR weichen von den eingebauten ab "
                             "(Werkstoffnummer)."));
    const QModelIndex cell = dialog->model()->index(row, MaterialsModel::K);
    dialog->table()->scrollTo(cell);
    QTest::mouseClick(dialog->table()->viewport(), Qt::LeftButton, {},
                      dialog->table()->visualRect(cell).center());
    ASSERT_TRUE(dialog->remove()->isEnabled());
    const QString button = QString::fromUtf8(GetParam().button);
    QString asked;
    whenOpen<QMessageBox>([&asked, button](QMessageBox* box) {
        asked = box->text();
        for (QAbstractButton* each : box->buttons())
            if (each->text() == button)
                each->click();
    });
    QTest::mouseClick(dialog->remove(), Qt::LeftButton);
    EXPECT_TRUE(asked.contains(QStringLiteral("Probebiegung 1 von S235JR"))) << asked.toStdString();
    if (!GetParam().deletes) {
        EXPECT_EQ(contents(materialsPath()), before);
        return;
    }
    const press::MaterialsFile file =
        press::readMaterialsFile(contents(materialsPath()).toStdString(), "werkstoffe.json");
    ASSERT_EQ(file.materials.size(), 1u);
    EXPECT_EQ(file.materials[0].testBends, std::vector{second});
}

INSTANTIATE_TEST_SUITE_P(ProfileWindow, DeleteTestBendTest,
                         testing::Values(DeleteAnswer{"Delete", "Löschen", true},
                                         DeleteAnswer{"Cancel", "Abbrechen", false}),
                         rowName<DeleteAnswer>);

// State: a materials file with one test bend of S235JR. Action: "Werkstoffe…", then a file from
// the phone imported, or a broken one. Expected: the phone's test bend joins the user's, the one
// both have is kept once; a broken file is named and the user's file stays as it was.
TEST_F(ProfileWindowTest, ImportMergesAndRefusesABrokenFile)
{
    const press::TestBend mine{1.5, 1.92, 12, 90, 88, 100, 51.5, 51.7};
    const press::TestBend phones{1.5, 1.92, 12, 90, std::nullopt, 100, 51.6, 51.6};
    press::UserMaterial s235;
    s235.name = "S235JR";
    s235.testBends = {mine};
    writeMaterials(QByteArray::fromStdString(press::writeMaterialsFile({{s235}})));
    const QByteArray before = contents(materialsPath());
    open();
    for (QAction* action : window().actions())
        if (action->text() == QStringLiteral("&Werkstoffe…"))
            action->trigger();
    auto* dialog = window().findChild<MaterialsDialog*>();
    ASSERT_NE(dialog, nullptr);

    QFile broken(path("kaputt.json"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"kantrix-werkstoffe\", \"version\": 1, \"werkstoffe\": [");
    broken.close();
    EXPECT_FALSE(dialog->importFile(path("kaputt.json")));
    EXPECT_TRUE(dialog->message()->text().contains(QStringLiteral("kaputt.json")))
        << dialog->message()->text().toStdString();
    EXPECT_EQ(contents(materialsPath()), before);

    s235.testBends = {phones, mine};
    QFile fromPhone(path("telefon.json"));
    ASSERT_TRUE(fromPhone.open(QIODevice::WriteOnly));
    fromPhone.write(QByteArray::fromStdString(press::writeMaterialsFile({{s235}})));
    fromPhone.close();
    EXPECT_TRUE(dialog->importFile(path("telefon.json")));
    EXPECT_EQ(dialog->message()->text(),
              QStringLiteral("„telefon.json“ übernommen: 1 Probebiegung dazu, 1 Probebiegung war "
                             "schon da."));
    const press::MaterialsFile file =
        press::readMaterialsFile(contents(materialsPath()).toStdString(), "werkstoffe.json");
    ASSERT_EQ(file.materials.size(), 1u);
    EXPECT_EQ(file.materials[0].testBends, (std::vector{mine, phones}));
}

// State: a part at the press brake. Action: Tab from the material on. Expected: the keyboard
// reaches the group's boxes row by row, each row from left to right, as they are shown.
TEST_F(ProfileWindowTest, TabFollowsThePressBrakesRowsAsShown)
{
    const Profile part = atThePress();
    open(&part);
    window().materialBox()->setFocus();
    std::vector<QRect> reached;
    for (int i = 0; i < 4; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        reached.push_back(QRect(focus->mapTo(&window(), QPoint()), focus->size()));
        press(Qt::Key_Tab);
    }
    for (std::size_t i = 1; i < reached.size(); ++i) {
        const QRect& before = reached[i - 1];
        const QRect& next = reached[i];
        const bool sameRow =
            std::abs(next.center().y() - before.center().y()) < before.height() / 2;
        EXPECT_TRUE(sameRow ? next.left() > before.right() : next.top() > before.bottom())
            << "box " << i << " of the group is reached out of the order it is shown in";
    }
}

// State: a part of S235JR on V 12, or of a material with a long name. Action: V 1e308 typed, or
// the window made as small as it allows. Expected: r and the name show their start with an
// ellipsis, their whole text as tooltip.
TEST_F(ProfileWindowTest, LongTextsShowTheirStartAndTheWholeAsTooltip)
{
    const QString longName = QStringLiteral("Feinkornbaustahl für die Kantteile der Baureihe 2026 "
                                            "in einem sehr langen Namen aus der Werkstatt");
    writeMaterials(QStringLiteral("{\"format\": \"kantrix-werkstoffe\", \"version\": 1, "
                                  "\"werkstoffe\": [{\"name\": \"%1\", \"zugfestigkeit\": "
                                  "[{\"ab\": 0, \"min\": 400, \"max\": 500}], "
                                  "\"radiusfaktor\": 0.16}]}")
                       .arg(longName)
                       .toUtf8());
    const auto tooltip = [](QWidget* widget) {
        const QPoint inside(4, widget->height() / 2);
        QHelpEvent help(QEvent::ToolTip, inside, widget->mapToGlobal(inside));
        QApplication::sendEvent(widget, &help);
        return QToolTip::text();
    };

    const Profile part = atThePress();
    open(&part);
    QLineEdit* die = window().field(ProfileCommon::Die);
    die->setFocus();
    die->selectAll();
    type(QStringLiteral("1e308"));
    press(Qt::Key_Tab);
    const auto* radius = dynamic_cast<StartField*>(window().field(ProfileCommon::Radius));
    ASSERT_NE(radius, nullptr);
    ASSERT_TRUE(radius->isReadOnly());
    EXPECT_TRUE(radius->text().startsWith(QStringLiteral("16")) && radius->text().size() > 300)
        << radius->text().toStdString();
    EXPECT_EQ(radius->shownText().left(2), QStringLiteral("16"));
    EXPECT_TRUE(radius->shownText().endsWith(QChar(0x2026))) << radius->shownText().toStdString();
    EXPECT_TRUE(tooltip(window().field(ProfileCommon::Radius)).startsWith(radius->text()));
    closeProfileWindows();

    Profile own = uChannel();
    own.material =
        press::requireMaterial(press::materialCatalog(press::readMaterialsFile(
                                   contents(materialsPath()).toStdString(), "werkstoffe.json")),
                               longName.toStdString());
    open(&own);
    window().resize(window().minimumSizeHint());
    QTest::qWait(50);
    const auto* material = dynamic_cast<StartComboBox*>(window().materialBox());
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->currentText(), longName);
    EXPECT_TRUE(material->shownText().startsWith(longName.left(8)) &&
                material->shownText().endsWith(QChar(0x2026)))
        << material->shownText().toStdString();
    EXPECT_TRUE(tooltip(window().materialBox()).startsWith(longName));
}

// State: a materials file that cannot be read, named with its whole path. Action: the window
// made as small as it allows. Expected: the note under the material shows every line.
TEST_F(ProfileWindowTest, MaterialsNoteIsWholeAtTheSmallestSize)
{
    writeMaterials("{\"format\": \"kantrix-werkstoffe\", kaputt");
    const Profile part = atThePress();
    open(&part);
    window().resize(window().minimumSizeHint());
    QTest::qWait(50);
    const QLabel* note = window().materialsMessage();
    ASSERT_TRUE(note->isVisible());
    EXPECT_GE(note->visibleRegion().boundingRect().height(), note->heightForWidth(note->width()))
        << note->text().toStdString();
}

// State: a new profile, the cursor in W. Action: Tab, again and again. Expected: the keyboard
// goes through the press brake's group, in the order it is read, and then into the table.
TEST_F(ProfileWindowTest, TabGoesThroughThePressBrakeIntoTheTable)
{
    open();
    window().field(ProfileCommon::Width)->setFocus();
    std::vector<std::string> reached;
    for (int i = 0; i < 5; ++i) {
        press(Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        reached.push_back(focus->accessibleName().toStdString());
    }
    EXPECT_EQ(reached, (std::vector<std::string>{"Werkstoff", "Matrizenöffnung V, Millimeter",
                                                 "Presse, Kilonewton", "Walzrichtung",
                                                 "Schenkel und Biegungen"}));
}

// State: the U channel at the press brake, a leg being typed in the table. Action: Ctrl+Tab, then
// Tab on. Expected: the leg is taken; the keyboard leaves the table and reaches the buttons, L,
// the largest force and the bends' results.
TEST_F(ProfileWindowTest, CtrlTabLeavesTheTableForTheResults)
{
    const Profile part = atThePress();
    open(&part);
    window().table()->setFocus();
    window().table()->setCurrentIndex(window().model()->index(1, ProfileModel::Length));
    type(QStringLiteral("90"));
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(cell(1, ProfileModel::Length).toStdString(), "90.000");
    std::vector<std::string> reached{QApplication::focusWidget()->objectName().toStdString()};
    for (int i = 0; i < 4; ++i) {
        press(Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(reached, (std::vector<std::string>{"Profil_Einfuegen", "Profil_Loeschen", "Profil_L",
                                                 "Profil_Kraft", "Profil_Biegelinien"}));
}

// A refused file is named in a message, and no window opens.
TEST_F(ProfileWindowTest, RefusedFileOpensNothing)
{
    QFile file(path("kaputt.kprofil"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"kantrix-profil\", \"version\": 1, \"dicke\": -2}");
    file.close();
    open();
    QString shown;
    whenOpen<QMessageBox>([&shown](QMessageBox* box) {
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(ProfileWindow::openFile(path("kaputt.kprofil"), nullptr), nullptr);
    EXPECT_TRUE(shown.contains(QStringLiteral("kaputt.kprofil"))) << shown.toStdString();
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        windows += qobject_cast<ProfileWindow*>(top) && top->isVisible();
    EXPECT_EQ(windows, 1);
}

// State: a FIFO, then a folder, where the materials file is; a FIFO named as a part's file.
// Action: a profile window opened over each, the FIFO opened as a part. Expected: each named at
// once with what it is, nothing waits for a writer that never comes.
TEST_F(ProfileWindowTest, SpecialFilesAreRefusedAtOnce)
{
    // A read that blocks ends the test instead of holding it up for ever.
    alarm(60);
    ASSERT_TRUE(QDir().mkpath(path("config/kantrix")));
    ASSERT_EQ(mkfifo(QFile::encodeName(materialsPath()).constData(), 0600), 0);
    open();
    EXPECT_TRUE(window().materialsMessage()->text().contains(
        QStringLiteral("werkstoffe.json“ wird nicht gelesen: ist eine FIFO (benannte Pipe), keine "
                       "gewöhnliche Datei.")))
        << window().materialsMessage()->text().toStdString();
    closeProfileWindows();
    ASSERT_TRUE(QFile::remove(materialsPath()) && QDir().mkpath(materialsPath()));
    open();
    EXPECT_TRUE(window().materialsMessage()->text().contains(QStringLiteral(": ist ein Ordner.")))
        << window().materialsMessage()->text().toStdString();

    ASSERT_EQ(mkfifo(QFile::encodeName(path("teil.kprofil")).constData(), 0600), 0);
    QString shown;
    whenOpen<QMessageBox>([&shown](QMessageBox* box) {
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(ProfileWindow::openFile(path("teil.kprofil"), nullptr), nullptr);
    EXPECT_TRUE(shown.contains(QStringLiteral("teil.kprofil“ kann nicht gelesen werden: ist eine "
                                              "FIFO (benannte Pipe)")))
        << shown.toStdString();
    alarm(0);
}

// State: the U channel. Action: an export into a missing folder and onto a folder, a missing file
// opened. Expected: each cause named in German, not in Qt's or the system's English.
TEST_F(ProfileWindowTest, FileFaultsNameTheirCauseInGerman)
{
    const Profile part = uChannel();
    open(&part);
    for (const auto& [file, cause] :
         {std::pair{path("fehlt/U.svg"), "Datei oder Ordner nicht gefunden"},
          std::pair{m_folder.path(), "ist ein Ordner"}}) {
        EXPECT_FALSE(window().exportTo(file, ProfileWindow::Export::SectionSvg));
        auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(message->text().contains(QStringLiteral(": ") + QString::fromUtf8(cause)))
            << message->text().toStdString();
        message->button(QMessageBox::Ok)->click();
    }
    QString shown;
    whenOpen<QMessageBox>([&shown](QMessageBox* box) {
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(ProfileWindow::openFile(path("fehlt.kprofil"), nullptr), nullptr);
    EXPECT_TRUE(shown.contains(QStringLiteral(": Datei oder Ordner nicht gefunden.")))
        << shown.toStdString();
}

struct ExportRow
{
    const char* name;
    const char* file;
    int filter; // index into ProfileWindow::exportFilters()
    ProfileWindow::Export kind;
};

class ExportTest : public ProfileWindowTest, public testing::WithParamInterface<ExportRow>
{};

// State: the U channel. Action: an export under a name and a filter. Expected: the kind the name
// decides, or the filter for .svg; the file holds the library's text, or the sheet with L.
TEST_P(ExportTest, WritesTheKindTheNameDecides)
{
    const Profile part = uChannel();
    open(&part);
    const ExportRow& row = GetParam();
    const QString file = path(row.file);
    const auto kind =
        ProfileWindow::exportKind(file, ProfileWindow::exportFilters().value(row.filter));
    ASSERT_EQ(kind, row.kind);
    ASSERT_TRUE(window().exportTo(file, kind));
    const profile::ProfileResult result = profile::computeProfile(part);
    switch (kind) {
    case ProfileWindow::Export::BlankDxf: {
        EXPECT_EQ(contents(file).toStdString(), profile::blankDxf(part, result));
        // A CAD reader takes it: a line per bend, both bending up.
        QProcess reader;
        // Debian's own Python, which has python3-ezdxf.
        reader.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import sys, ezdxf; print(len(ezdxf.readfile(sys.argv[1])"
                                     ".modelspace().query('LINE[layer==\"BIEGUNG_AUF\"]')))"),
                      file});
        ASSERT_TRUE(reader.waitForFinished(20000));
        EXPECT_EQ(reader.readAllStandardOutput().trimmed().toStdString(), "2");
        break;
    }
    case ProfileWindow::Export::BlankSvg:
        EXPECT_EQ(contents(file).toStdString(), profile::blankSvg(part, result));
        break;
    case ProfileWindow::Export::SectionSvg:
        EXPECT_EQ(contents(file).toStdString(), profile::sectionSvg(part, result));
        break;
    case ProfileWindow::Export::SheetPdf: {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(10000));
        const QString sheet = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(
            sheet.contains(QStringLiteral("L = ") + lengthText(part) + QStringLiteral(" mm")))
            << sheet.toStdString();
        EXPECT_TRUE(sheet.contains(QStringLiteral("DIN 6935")));
    }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProfileWindow, ExportTest,
    testing::Values(ExportRow{"DxfWhateverTheFilter", "a.dxf", 3, ProfileWindow::Export::BlankDxf},
                    ExportRow{"PdfWhateverTheFilter", "a.pdf", 0, ProfileWindow::Export::SheetPdf},
                    ExportRow{"SvgOfTheBlank", "a.svg", 1, ProfileWindow::Export::BlankSvg},
                    ExportRow{"SvgOfTheSection", "a.svg", 2, ProfileWindow::Export::SectionSvg},
                    ExportRow{"SvgUnderTheDxfFilter", "a.svg", 0, ProfileWindow::Export::BlankSvg}),
    rowName<ExportRow>);

struct CommandKeyRow
{
    const char* name;
    bool inCell; // an open cell editor, else the field s
    Qt::Key key; // with Ctrl
};

class CommandKeyTest : public ProfileWindowTest, public testing::WithParamInterface<CommandKeyRow>
{};

// State: the U channel, typing in the field s or in a cell. Action: a command's key that a line
// edit would take for itself (Ctrl+E: end of line, Ctrl+Ins: copy). Expected: the window's command.
TEST_P(CommandKeyTest, ReachesTheWindowFromWhereTheUserTypes)
{
    const Profile part = uChannel();
    open(&part);
    if (GetParam().inCell) {
        const QModelIndex length = window().model()->index(1, ProfileModel::Length);
        window().table()->setFocus();
        window().table()->setCurrentIndex(length);
        window().table()->edit(length);
    } else {
        window().field(ProfileCommon::Thickness)->setFocus();
    }
    ASSERT_TRUE(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    bool asked = false;
    whenOpen<QFileDialog>([&asked](QFileDialog* dialog) {
        asked = dialog->windowTitle() == QStringLiteral("Exportieren");
        dialog->reject();
    });
    press(GetParam().key, Qt::ControlModifier);
    if (GetParam().key == Qt::Key_E)
        EXPECT_TRUE(QTest::qWaitFor([&asked] { return asked; }, 2000));
    else
        EXPECT_EQ(window().model()->rowCount(), 4);
}

INSTANTIATE_TEST_SUITE_P(ProfileWindow, CommandKeyTest,
                         testing::Values(CommandKeyRow{"ExportFromField", false, Qt::Key_E},
                                         CommandKeyRow{"ExportFromCell", true, Qt::Key_E},
                                         CommandKeyRow{"InsertFromField", false, Qt::Key_Insert},
                                         CommandKeyRow{"InsertFromCell", true, Qt::Key_Insert}),
                         rowName<CommandKeyRow>);

struct FailingWrite
{
    const char* name;
    const char* file;
    rlim_t limit; // bytes: below the file's size, and for a small file below Qt's write buffer
};

class FailingWriteTest : public ProfileWindowTest, public testing::WithParamInterface<FailingWrite>
{};

// A write that fails midway (past the file size limit) says so and keeps the old file whole,
// also when the whole file waited in the write buffer until the end.
TEST_P(FailingWriteTest, KeepsTheOldFile)
{
    const Profile part = uChannel();
    open(&part);
    const QString file = path(GetParam().file);
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("the file before") > 0);
    old.close();
    const bool written = [&] {
        const FileSizeLimit limit(GetParam().limit);
        EXPECT_TRUE(limit.isSet());
        return file.endsWith(QLatin1String(".kprofil"))
                   ? window().saveTo(file)
                   : window().exportTo(file, ProfileWindow::exportKind(file, QString()));
    }();
    EXPECT_FALSE(written);
    auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QStringLiteral("konnte nicht geschrieben werden")));
    message->button(QMessageBox::Ok)->click();
    EXPECT_EQ(contents(file), QByteArray("the file before"));
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files),
              QStringList{QString::fromLatin1(GetParam().file)});
}

INSTANTIATE_TEST_SUITE_P(ProfileWindow, FailingWriteTest,
                         testing::Values(FailingWrite{"SheetPdf", "U.pdf", 4096},
                                         FailingWrite{"BlankDxf", "U.dxf", 1000},
                                         FailingWrite{"ProfileFile", "U.kprofil", 100}),
                         rowName<FailingWrite>);

struct LegEntry
{
    const char* name;
    const char* typed;
    const char* shown;   // the cell's text afterwards
    const char* message; // a part of the line under the table; empty when taken
};

class LegEntryTest : public ProfileWindowTest, public testing::WithParamInterface<LegEntry>
{};

// State: the U channel. Action: a text typed into leg 2's length. Expected: a number is taken
// with a point or a comma and shown with a point; anything refused keeps its text, is marked and
// named under the table, while the results keep the U channel's, marked as not current.
TEST_P(LegEntryTest, IsTakenOrKeptAsTyped)
{
    const Profile part = uChannel();
    open(&part);
    const QString before = lengthShown();
    const LegEntry& row = GetParam();
    typeInCell(1, ProfileModel::Length, QString::fromUtf8(row.typed), Qt::Key_Tab);
    EXPECT_EQ(cell(1, ProfileModel::Length).toStdString(), row.shown);
    const QModelIndex leg = window().model()->index(1, ProfileModel::Length);
    // The focus stays in the table, on the cell Tab moved to (its editor open).
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == window().table() || window().table()->isAncestorOf(focus));
    EXPECT_EQ(window().table()->currentIndex().column(), ProfileModel::Measure);
    if (*row.message == 0) {
        EXPECT_TRUE(window().results()->isCurrent());
        EXPECT_FALSE(window().model()->isMarked(leg));
        EXPECT_NE(lengthShown(), before);
        return;
    }
    EXPECT_TRUE(window().model()->isMarked(leg));
    EXPECT_TRUE(window().message()->text().contains(QString::fromUtf8(row.message)))
        << window().message()->text().toStdString();
    EXPECT_FALSE(window().results()->isCurrent());
    EXPECT_EQ(lengthShown(), before);
    EXPECT_EQ(window().section()->svg().toStdString(),
              profile::sectionSvg(part, profile::computeProfile(part)));
}

INSTANTIATE_TEST_SUITE_P(ProfileWindow, LegEntryTest,
                         testing::Values(LegEntry{"DecimalComma", "100,5", "100.500", ""},
                                         LegEntry{"DecimalPointAndBlanks", " 100.5 ", "100.500",
                                                  ""},
                                         LegEntry{"NoNumber", "1OO", "1OO", "„1OO“ ist keine Zahl"},
                                         LegEntry{"Unit", "100 mm", "100 mm", "ist keine Zahl"},
                                         LegEntry{"Zero", "0", "0.000", "größer als 0"},
                                         LegEntry{"TooShortForItsBends", "5", "5.000", "zu kurz"}),
                         rowName<LegEntry>);

// State: a U channel whose middle leg is near the largest double. Expected: its results, and in
// place of the drawings, whose numbers overflow, the reason.
TEST_F(ProfileWindowTest, DrawingsTooLargeForTheirNumbersSayWhy)
{
    Profile part = uChannel();
    part.legs[1].length = 1.7e308;
    open(&part);
    EXPECT_TRUE(window().results()->isCurrent());
    for (const SvgView* drawing : {window().section(), window().blank()}) {
        EXPECT_TRUE(drawing->svg().isEmpty());
        EXPECT_TRUE(drawing->absence().contains(QStringLiteral("außerhalb des Zahlenbereichs")))
            << drawing->absence().toStdString();
    }
}

struct CloseAnswer
{
    const char* name;
    const char* button;
    bool closes;
    bool saves;
};

class CloseTest : public ProfileWindowTest, public testing::WithParamInterface<CloseAnswer>
{};

// State: a saved U channel with s changed. Action: closing, and an answer to the question.
// Expected: Abbrechen keeps the window, Verwerfen closes it and leaves the file, Speichern
// writes the change first.
TEST_P(CloseTest, ChangedProfileAsks)
{
    const Profile part = uChannel();
    const QString file = path("u.kprofil");
    open(&part, file);
    ASSERT_TRUE(window().saveTo(file));
    const QByteArray saved = contents(file);
    window().model()->setCommonText(ProfileCommon::Thickness, QStringLiteral("3"));
    QString asked;
    const QString button = QString::fromUtf8(GetParam().button);
    whenOpen<QMessageBox>([&asked, button](QMessageBox* box) {
        asked = box->text();
        for (QAbstractButton* each : box->buttons())
            if (each->text().remove(QLatin1Char('&')) == button)
                each->click();
    });
    window().close();
    EXPECT_TRUE(asked.contains(QStringLiteral("u.kprofil"))) << asked.toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_window.isNull(), GetParam().closes);
    EXPECT_EQ(contents(file) != saved, GetParam().saves);
}

INSTANTIATE_TEST_SUITE_P(ProfileWindow, CloseTest,
                         testing::Values(CloseAnswer{"Cancel", "Abbrechen", false, false},
                                         CloseAnswer{"Discard", "Verwerfen", true, false},
                                         CloseAnswer{"Save", "Speichern", true, true}),
                         rowName<CloseAnswer>);

// Ctrl+Shift+C puts the command line's table on the clipboard.
TEST_F(ProfileWindowTest, CopiesTheAnswerTable)
{
    const Profile part = uChannel();
    open(&part);
    QApplication::clipboard()->clear();
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              profile::answerTable(part, profile::computeProfile(part)));
}

// A screen reader reaches a cell and speaks its name, then its value and why it is refused.
TEST_F(ProfileWindowTest, CellsAreNamedForScreenReaders)
{
    Profile part = uChannel();
    part.legs[2].length = 1;
    open(&part);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window().table());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    const struct
    {
        int row;
        int column;
        const char* name;
        const char* description;
    } cells[] = {
        {1, ProfileModel::Length, "Schenkel 2, Länge, Millimeter", "100.000"},
        {1, ProfileModel::Measure, "Schenkel 2, Maß", "außen"},
        {0, ProfileModel::Angle, "Biegung 1, Winkel, Grad", "90.00"},
        {1, ProfileModel::BendRadius, "Biegung 2, Radius, Millimeter", "leer"},
        {2, ProfileModel::Length, "Schenkel 3, Länge, Millimeter", "1.000. Schenkel 3 ist zu kurz"},
    };
    for (const auto& expected : cells) {
        QAccessibleInterface* cell = table->tableInterface()->cellAt(expected.row, expected.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), expected.name);
        EXPECT_TRUE(cell->text(QAccessible::Description)
                        .startsWith(QString::fromUtf8(expected.description)))
            << cell->text(QAccessible::Description).toStdString();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window().field(ProfileCommon::Width))
                  ->text(QAccessible::Name)
                  .toStdString(),
              "Breite W, Millimeter");
}

// F1 opens the user notes at their section on profiles.
TEST_F(ProfileWindowTest, HelpOpensAtTheProfiles)
{
    open();
    press(Qt::Key_F1);
    auto* help = window().findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    QCoreApplication::processEvents();
    QTextBrowser* browser = help->browser();
    EXPECT_EQ(browser->cursorForPosition(QPoint(4, 4)).block().text().toStdString(), "Profile");
    help->close();
}

class OpenedFromTheWindow : public WindowTest
{
protected:
    void TearDown() override
    {
        closeProfileWindows();
        WindowTest::TearDown();
    }
};

// State: the window's bend, r = 3 typed. Action: Ctrl+N. Expected: a profile window whose one
// bend is that bend, with a and b as its legs.
TEST_F(OpenedFromTheWindow, NewProfileStartsFromTheBend)
{
    enterText(Field::Txt_Radius, "3");
    press(Qt::Key_N, Qt::ControlModifier);
    settle();
    ProfileWindow* opened = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* profile = qobject_cast<ProfileWindow*>(top))
            opened = profile;
    ASSERT_NE(opened, nullptr);
    const Profile& part = opened->model()->profile();
    EXPECT_EQ(part.radius, 3);
    EXPECT_EQ(part.thickness, state().s);
    ASSERT_EQ(part.legs.size(), 2u);
    EXPECT_EQ(part.legs[0].length, state().l(1));
    EXPECT_EQ(part.legs[1].length, state().l(2));
    EXPECT_EQ(part.bends.at(0).angle, state().beta);
    EXPECT_EQ(part.width, 100);
}

} // namespace
} // namespace kantrix::test
