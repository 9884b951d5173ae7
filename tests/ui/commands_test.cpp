// The commands on shortcuts and the form's context menu, driven as a user does: the bend sheet
// read back from its PDF, the typed entry counted first, faults and failed writes leaving nothing
// behind, the clipboard, and the user notes at F1.

#include "file_size_limit.h"
#include "form_commands.h"
#include "help_window.h"
#include "quantity_lines.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

namespace kantrix::test {
namespace {

using kantrix::test::PrintTo;

QString tool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed";
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Runs of blanks squeezed to one, so that lines compare whatever the column widths.
QString squeezed(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral(" "));
}

QString pdfText(const QString& path)
{
    return squeezed(
        tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}));
}

struct Command
{
    const char* name;
    QKeyCombination keys;
    const char* menuEntry;
};

const Command save{"Save", Qt::CTRL | Qt::Key_S, "Als PDF speichern…"};
const Command copy{"Copy", Qt::CTRL | Qt::SHIFT | Qt::Key_C, "Werte kopieren"};
const Command print{"Print", Qt::CTRL | Qt::Key_P, "Drucken…"};

class CommandTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(m_folder.isValid());
        QApplication::clipboard()->clear();
    }

    QString path(const char* name) const { return m_folder.filePath(QString::fromUtf8(name)); }

    // A right click on a caption, where no control has a menu of its own.
    QMenu* openFormMenu()
    {
        QTest::mouseClick(control("Label1"), Qt::RightButton);
        return qobject_cast<QMenu*>(await([] { return QApplication::activePopupWidget(); }));
    }
    void run(const Command& command, bool byMenu = false)
    {
        if (!byMenu)
            return QTest::keySequence(QApplication::activeWindow(), QKeySequence(command.keys));
        QMenu* menu = openFormMenu();
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == QString::fromUtf8(command.menuEntry))
                return QTest::mouseClick(menu, Qt::LeftButton, {},
                                         menu->actionGeometry(action).center());
        }
        FAIL() << "no menu entry " << command.menuEntry;
    }

    template <typename Find> QWidget* await(Find find)
    {
        static_cast<void>(QTest::qWaitFor([&] { return find() != nullptr; }, 3000));
        return find();
    }
    template <typename Dialog> Dialog* awaitDialog()
    {
        return qobject_cast<Dialog*>(
            await([] { return qobject_cast<Dialog*>(QApplication::activeModalWidget()); }));
    }

    // Types `file` into Qt's own file dialog and clicks Save, confirming a replacement.
    void answerFileDialog(const QString& file)
    {
        auto* dialog = awaitDialog<QFileDialog>();
        ASSERT_NE(dialog, nullptr) << "no file dialog";
        QTimer confirm;
        QObject::connect(&confirm, &QTimer::timeout, [dialog] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (question && question->parent() == dialog)
                question->button(QMessageBox::Yes)->click();
        });
        confirm.start(20);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(file);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save),
                          Qt::LeftButton);
        settle();
    }

    QTemporaryDir m_folder;
};

struct TypedEntry
{
    const char* name;
    const Command& command;
    bool byMenu;
};

class TypedEntryCounts : public CommandTest, public testing::WithParamInterface<TypedEntry>
{};

// State: r = 3 typed, not yet left. Action: the command. Expected: the entry counts as left
// (r = 3.00, k = 0.738) in what is saved, printed or copied; the focus stays in the field, its
// text selected as on entering.
TEST_P(TypedEntryCounts, BeforeTheCommandUsesTheValues)
{
    enterText(Field::Txt_Radius, "3");
    const QString file = path("sheet.pdf");
    run(GetParam().command, GetParam().byMenu);
    QString output;
    if (&GetParam().command == &save) {
        auto* dialog = awaitDialog<QFileDialog>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(QFileInfo(dialog->selectedFiles().value(0)).fileName().toStdString(),
                  "Biegung r3 s2 b90.pdf");
        answerFileDialog(file);
        output = pdfText(file);
    } else if (&GetParam().command == &print) {
        auto* dialog = awaitDialog<QPrintDialog>();
        ASSERT_NE(dialog, nullptr);
        dialog->printer()->setOutputFileName(file);
        dialog->done(QDialog::Accepted);
        output = pdfText(file);
    } else {
        settle();
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
                  quantityLines(window().fields()));
        output = squeezed(QApplication::clipboard()->text());
    }
    EXPECT_TRUE(output.contains(QStringLiteral("Biegeradius r = 3.00 mm"))) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("Korrekturwert k = 0.738"))) << output.toStdString();
    EXPECT_EQ(window().focusWidget(), text(Field::Txt_Radius));
    EXPECT_EQ(text(Field::Txt_Radius)->selectedText(), QStringLiteral("3.00"));
}

INSTANTIATE_TEST_SUITE_P(Commands, TypedEntryCounts,
                         testing::Values(TypedEntry{"SaveByShortcut", save, false},
                                         TypedEntry{"SaveByMenu", save, true},
                                         TypedEntry{"CopyByShortcut", copy, false},
                                         TypedEntry{"CopyByMenu", copy, true},
                                         TypedEntry{"PrintByShortcut", print, false}),
                         rowName<TypedEntry>);

class FaultingEntry : public CommandTest, public testing::WithParamInterface<Command>
{};

// State: a flange of 400 digits typed. Action: the command. Expected: the fault message, the last
// good state, and nothing written, printed or copied.
TEST_P(FaultingEntry, LeavesNothingBehind)
{
    expectFaults();
    const Shown lastGood = shown();
    enterText(Field::Txt_l1, std::string(400, '9'));
    run(GetParam());
    QMessageBox* box = awaitFaultMessage();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->objectName().toStdString(), "FaultMessage");
    EXPECT_TRUE(shows(lastGood));
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    EXPECT_TRUE(QDir(m_folder.path()).isEmpty());
    dismiss(box);
    settle();
}

INSTANTIATE_TEST_SUITE_P(Commands, FaultingEntry, testing::Values(save, copy, print),
                         rowName<Command>);

TEST_F(CommandTest, SheetIsOneA4PageWithEveryValueNotesAndEmbeddedFonts)
{
    enterText(Field::Txt_Beta, "170");
    enterText(Field::Txt_l2, "5");
    press(Qt::Key_Tab);
    const QString file = path("Biegung.pdf");
    run(save);
    answerFileDialog(file);
    const QString sheet = pdfText(file);

    const QString info = tool(QStringLiteral("pdfinfo"), {file});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Page size: +595[.0-9]* x 84[12][.0-9]* pts \\(A4\\)"))))
        << info.toStdString();
    // Vector only: pdfimages lists its two header lines and no image.
    EXPECT_EQ(
        tool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file}).count(QLatin1Char('\n')),
        2);
    // pdffonts: every font's "emb" column, the fourth from the end, says yes.
    const QRegularExpression embedded(
        QStringLiteral(" (yes|no) +(yes|no) +(yes|no) +\\d+ +\\d+ *$"));
    for (const QString& font : tool(QStringLiteral("pdffonts"), {file})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                   .mid(2))
        EXPECT_EQ(embedded.match(font).captured(1), QStringLiteral("yes")) << font.toStdString();

    EXPECT_TRUE(sheet.contains(QStringLiteral("Biegung nach DIN 6935")));
    EXPECT_TRUE(sheet.contains(
        QRegularExpression(QStringLiteral("\\d\\d\\.\\d\\d\\.\\d{4}, \\d\\d:\\d\\d Uhr"))));
    // Each quantity as the window shows it, caption, value and unit on one line.
    for (const QString& line : squeezed(QString::fromStdString(quantityLines(window().fields())))
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        EXPECT_TRUE(sheet.contains(line)) << line.toStdString() << "\n" << sheet.toStdString();
    for (const char* note :
         {"β > 165°: DIN 6935 setzt hier v = 0", "b auf 8 korrigiert", "Kantrix 1.00"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(note))) << note;
}

// A write that fails midway (past the file size limit) tells the user and keeps the old file.
TEST_F(CommandTest, FailingWriteKeepsTheOldFile)
{
    expectFaults();
    const QString file = path("sheet.pdf");
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("the sheet before") > 0);
    old.close();
    const FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.isSet());

    run(save);
    answerFileDialog(file);
    auto* message = awaitDialog<QMessageBox>();
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QStringLiteral("konnte nicht geschrieben werden")));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the sheet before"));
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("sheet.pdf")});
    dismiss(message);
}

TEST_F(CommandTest, F1ShowsTheUserNotesWithWorkingSectionLinks)
{
    press(Qt::Key_F1);
    auto* help = qobject_cast<HelpWindow*>(await([] { return QApplication::activeWindow(); }));
    ASSERT_NE(help, nullptr);
    QTextBrowser* browser = help->browser();
    QTextDocument* notes = browser->document();
    EXPECT_TRUE(notes->toPlainText().contains(QStringLiteral("Formelzeichen der Skizze")));

    // Every link to a section finds a heading of that name.
    QStringList anchors;
    QStringList links;
    for (QTextBlock block = notes->begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextCharFormat format = part.fragment().charFormat();
            anchors << format.anchorNames();
            if (format.anchorHref().startsWith(QLatin1Char('#')))
                links << format.anchorHref().mid(1);
        }
    }
    ASSERT_FALSE(links.isEmpty());
    for (const QString& link : links)
        EXPECT_TRUE(anchors.contains(link)) << "no section " << link.toStdString();

    // A click on the link to the last section scrolls down to it.
    QTextCursor link = notes->find(QStringLiteral("Grenzen der Formeln"));
    ASSERT_TRUE(link.charFormat().isAnchor());
    link.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    help->close();
}

TEST_F(CommandTest, InputFieldsKeepTheirOwnEditMenu)
{
    QTest::mouseClick(text(Field::Txt_Dicke), Qt::RightButton);
    QWidget* editMenu = await([] { return QApplication::activePopupWidget(); });
    ASSERT_NE(editMenu, nullptr);
    EXPECT_NE(editMenu, window().findChild<FormCommands*>()->menu());
    editMenu->close();
    QMenu* formMenu = openFormMenu();
    EXPECT_EQ(formMenu, window().findChild<FormCommands*>()->menu());
    formMenu->close();
}

} // namespace
} // namespace kantrix::test
