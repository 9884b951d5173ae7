// The commands on shortcuts and the form's context menu: the bend sheet as PDF and on paper, the
// values on the clipboard, the user notes and the program's particulars. Driven as a user does,
// the file dialog answered as a user would.

#include "form_commands.h"
#include "help_window.h"
#include "quantity_lines.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
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

#include <csignal>
#include <sys/resource.h>

namespace kantrix::test {
namespace {

using kantrix::test::PrintTo;

constexpr int waitMs = 3000;

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(10000) || tool.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed";
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The text of a PDF as pdftotext lays it out, blanks between columns squeezed to one.
QString pdfText(const QString& path)
{
    QString text = runTool(QStringLiteral("pdftotext"),
                           {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return text.replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral(" "));
}

enum class Command
{
    Save,
    Copy,
    Print
};

enum class Way
{
    Shortcut,
    Menu
};

class CommandTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(m_folder.isValid());
        QApplication::clipboard()->clear();
        getrlimit(RLIMIT_FSIZE, &m_fileSizeLimit);
    }
    void TearDown() override
    {
        setrlimit(RLIMIT_FSIZE, &m_fileSizeLimit);
        WindowTest::TearDown();
    }

    QString path(const char* name) const { return m_folder.filePath(QString::fromUtf8(name)); }
    FormCommands* commands() { return window().findChild<FormCommands*>(); }

    // Right click on a caption, where no control has a menu of its own.
    QMenu* openFormMenu()
    {
        QTest::mouseClick(control("Label1"), Qt::RightButton);
        static_cast<void>(
            QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, waitMs));
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    void chooseFromMenu(const QString& entry)
    {
        QMenu* menu = openFormMenu();
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        }
        FAIL() << "no menu entry " << entry.toStdString();
    }
    void run(Command command, Way way)
    {
        static const std::map<Command, std::pair<QKeySequence, QString>> entries = {
            {Command::Save,
             {QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("Als PDF speichern…")}},
            {Command::Copy,
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), QStringLiteral("Werte kopieren")}},
            {Command::Print, {QKeySequence(Qt::CTRL | Qt::Key_P), QStringLiteral("Drucken…")}},
        };
        const auto& [keys, entry] = entries.at(command);
        if (way == Way::Shortcut)
            QTest::keySequence(QApplication::activeWindow(), keys);
        else
            chooseFromMenu(entry);
    }

    template <typename Dialog> Dialog* awaitDialog()
    {
        static_cast<void>(QTest::qWaitFor(
            [] { return qobject_cast<Dialog*>(QApplication::activeModalWidget()); }, waitMs));
        return qobject_cast<Dialog*>(QApplication::activeModalWidget());
    }

    // Accepts the file dialog with `file`, confirming the question to replace it if one comes.
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
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        ASSERT_TRUE(name && buttons) << "not Qt's own file dialog";
        name->setText(file);
        QPushButton* save = buttons->button(QDialogButtonBox::Save);
        ASSERT_TRUE(save && save->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);
        settle();
    }

    // Writes the sheet through Ctrl+S and the file dialog; returns its text.
    QString saveSheet(const QString& file)
    {
        run(Command::Save, Way::Shortcut);
        answerFileDialog(file);
        return pdfText(file);
    }

    QTemporaryDir m_folder;
    rlimit m_fileSizeLimit{};
};

// State: r typed, not yet left. Action: a command that uses the values. Expected: the entry counts
// as left (r = 3.00, k = 0.738), and the focus stays in the field.
struct TypedEntry
{
    const char* name;
    Command command;
    Way way;
};

class TypedEntryCounts : public CommandTest, public testing::WithParamInterface<TypedEntry>
{};

TEST_P(TypedEntryCounts, BeforeTheCommandUsesTheValues)
{
    enterText(Field::Txt_Radius, "3");
    const QString file = path("sheet.pdf");
    QString output;
    run(GetParam().command, GetParam().way);
    switch (GetParam().command) {
    case Command::Save:
        answerFileDialog(file);
        output = pdfText(file);
        break;
    case Command::Copy:
        settle();
        output = QApplication::clipboard()->text();
        EXPECT_EQ(output.toStdString(), quantityLines(window().fields()));
        output.replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral(" "));
        break;
    case Command::Print: {
        auto* dialog = awaitDialog<QPrintDialog>();
        ASSERT_NE(dialog, nullptr) << "no print dialog";
        dialog->printer()->setOutputFileName(file);
        dialog->done(QDialog::Accepted);
        settle();
        output = pdfText(file);
        break;
    }
    }
    EXPECT_TRUE(output.contains(QStringLiteral("Biegeradius r = 3.00 mm"))) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("Korrekturwert k = 0.738"))) << output.toStdString();
    EXPECT_EQ(window().focusWidget(), text(Field::Txt_Radius));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Commands, TypedEntryCounts, testing::Values(
    TypedEntry{"SaveByShortcut",  Command::Save,  Way::Shortcut},
    TypedEntry{"SaveByMenu",      Command::Save,  Way::Menu},
    TypedEntry{"CopyByShortcut",  Command::Copy,  Way::Shortcut},
    TypedEntry{"CopyByMenu",      Command::Copy,  Way::Menu},
    TypedEntry{"PrintByShortcut", Command::Print, Way::Shortcut}),
    rowName<TypedEntry>);
// clang-format on

// State: a flange of 400 digits typed. Action: a command. Expected: the fault message, the last
// good state, and nothing written, printed or copied.
class FaultingEntry : public CommandTest, public testing::WithParamInterface<Command>
{};

TEST_P(FaultingEntry, LeavesNothingBehind)
{
    expectFaults();
    enterText(Field::Txt_l1, "50");
    press(Qt::Key_Tab);
    settle();
    const Shown lastGood = shown();
    press(Qt::Key_Backtab);
    typeOver(std::string(400, '9'));
    run(GetParam(), Way::Shortcut);
    QMessageBox* box = awaitFaultMessage();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->objectName().toStdString(), "FaultMessage");
    EXPECT_TRUE(shows(lastGood));
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    EXPECT_TRUE(QDir(m_folder.path()).isEmpty());
    dismiss(box);
    settle();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a dialog opened after the fault";
}

INSTANTIATE_TEST_SUITE_P(Commands, FaultingEntry,
                         testing::Values(Command::Save, Command::Copy, Command::Print),
                         [](const testing::TestParamInfo<Command>& row) {
                             return std::string(std::array{
                                 "Save", "Copy", "Print"}[static_cast<std::size_t>(row.param)]);
                         });

TEST_F(CommandTest, SheetIsOneA4PageWithEveryValueNotesAndEmbeddedFonts)
{
    enterText(Field::Txt_Beta, "170");
    enterText(Field::Txt_l2, "5");
    press(Qt::Key_Tab);
    settle();
    const QString file = path("Biegung.pdf");
    const QString sheet = saveSheet(file);

    const QString info = runTool(QStringLiteral("pdfinfo"), {file});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(
        QStringLiteral("Page size: +595\\.?\\d* x 84[12]\\.?\\d* pts \\(A4\\)"))))
        << info.toStdString();
    for (const QString& line :
         runTool(QStringLiteral("pdffonts"), {file}).split(QLatin1Char('\n')).mid(2)) {
        if (!line.isEmpty()) {
            // The columns end in: emb sub uni object generation.
            const QRegularExpression columns(
                QStringLiteral(" (yes|no) +(yes|no) +(yes|no) +\\d+ +\\d+ *$"));
            EXPECT_EQ(columns.match(line).captured(1), QStringLiteral("yes"))
                << "not embedded: " << line.toStdString();
        }
    }

    EXPECT_TRUE(sheet.contains(QStringLiteral("Biegung nach DIN 6935")));
    EXPECT_TRUE(sheet.contains(
        QRegularExpression(QStringLiteral("\\d\\d\\.\\d\\d\\.\\d{4}, \\d\\d:\\d\\d Uhr"))));
    const QString lines = QString::fromStdString(quantityLines(window().fields()));
    for (QString shown : lines.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // Each quantity as the window shows it, on one line of the sheet.
        shown.replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral(" "));
        EXPECT_TRUE(sheet.contains(shown)) << shown.toStdString() << "\n" << sheet.toStdString();
    }
    for (const char* note : {"β > 165°: DIN 6935 setzt hier v = 0", "b auf 8 korrigiert"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(note))) << note;
    EXPECT_TRUE(sheet.contains(QStringLiteral("Kantrix 1.00")));
}

TEST_F(CommandTest, ProposesAFileNameThatCarriesTheBend)
{
    enterText(Field::Txt_Beta, "120.5");
    run(Command::Save, Way::Shortcut);
    auto* dialog = awaitDialog<QFileDialog>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->selectedFiles().size(), 1);
    EXPECT_EQ(QFileInfo(dialog->selectedFiles().at(0)).fileName().toStdString(),
              "Biegung r2 s2 b120.5.pdf");
    dialog->reject();
    settle();
}

// A write that fails midway (the file size limit) tells the user and keeps the old file.
TEST_F(CommandTest, FailingWriteKeepsTheOldFile)
{
    expectFaults();
    const QString file = path("sheet.pdf");
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the sheet before");
    old.close();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = m_fileSizeLimit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    run(Command::Save, Way::Shortcut);
    answerFileDialog(file);
    auto* message = awaitDialog<QMessageBox>();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->objectName().toStdString(), "CommandError");
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
    settle();
    auto* help = qobject_cast<HelpWindow*>(QApplication::activeWindow());
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    QTextDocument* notes = help->browser()->document();
    EXPECT_TRUE(notes->toPlainText().contains(QStringLiteral("Formelzeichen der Skizze")));

    // Every link to a section finds a heading of that name.
    QStringList anchors;
    QStringList links;
    for (QTextBlock block = notes->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            anchors << format.anchorNames();
            if (format.anchorHref().startsWith(QLatin1Char('#')))
                links << format.anchorHref().mid(1);
        }
    }
    ASSERT_FALSE(links.isEmpty());
    for (const QString& link : links)
        EXPECT_TRUE(anchors.contains(link)) << "no section " << link.toStdString();

    // Clicking the link to the last section scrolls down to it.
    QTextCursor link = notes->find(QRegularExpression(QStringLiteral("Grenzen der Formeln")));
    ASSERT_FALSE(link.isNull());
    ASSERT_TRUE(link.charFormat().isAnchor());
    QTextBrowser* browser = help->browser();
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    QTextCursor inside(notes);
    inside.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                      browser->cursorRect(inside).center());
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    help->close();
}

TEST_F(CommandTest, AboutNamesVersionLicenceNormAndQt)
{
    chooseFromMenu(QStringLiteral("Über Kantrix"));
    auto* about = awaitDialog<QMessageBox>();
    ASSERT_NE(about, nullptr);
    for (const QString& part : {QStringLiteral("Kantrix 1.00"), QStringLiteral("MIT"),
                                QStringLiteral("DIN 6935"), QString::fromLatin1(qVersion())})
        EXPECT_TRUE(about->text().contains(part)) << part.toStdString();
    dismiss(about);
}

TEST_F(CommandTest, InputFieldsKeepTheirOwnEditMenu)
{
    QTest::mouseClick(text(Field::Txt_Dicke), Qt::RightButton);
    ASSERT_TRUE(
        QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, waitMs));
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_NE(popup, commands()->menu());
    popup->close();
    QMenu* menu = openFormMenu();
    EXPECT_EQ(menu, commands()->menu());
    menu->close();
}

} // namespace
} // namespace kantrix::test
