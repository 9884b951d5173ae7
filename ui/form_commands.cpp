#include "form_commands.h"

#include "bend_sheet.h"
#include "box_launch.h"
#include "help_window.h"
#include "profile_launch.h"
#include "quantity_lines.h"
#include "sheet_content.h"
#include "sheet_output.h"
#include "verdano.h"
#include "whole_file.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

namespace kantrix {

FormCommands::FormCommands(Verdano& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("FormCommands"));
    addCommand(QStringLiteral("Drucken…"), QKeySequence::Print, &FormCommands::print);
    addCommand(QStringLiteral("Als PDF speichern…"), QKeySequence::Save, &FormCommands::saveAsPdf);
    addCommand(QStringLiteral("Werte kopieren"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
               &FormCommands::copyValues);
    m_commands.push_back(nullptr);
    addCommand(QStringLiteral("Neues Profil"), QKeySequence::New, &FormCommands::newProfile);
    addCommand(QStringLiteral("Neuer Kasten"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
               &FormCommands::newBox);
    addCommand(QStringLiteral("Profil oder Kasten öffnen…"), QKeySequence::Open,
               &FormCommands::openProfile);
    m_commands.push_back(nullptr);
    addCommand(QStringLiteral("Benutzerhinweise"), QKeySequence::HelpContents,
               &FormCommands::showHelp);
    addCommand(QStringLiteral("Über Kantrix"), QKeySequence(), &FormCommands::showAbout);

    // Right clicks that no control takes for itself (labels, frames, pictures, result fields)
    // arrive at the window.
    m_window.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_window, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu()->popup(m_window.mapToGlobal(at)); });
}

FormCommands::~FormCommands() = default;

QMenu* FormCommands::menu()
{
    if (!m_menu) {
        m_menu = new QMenu(&m_window);
        m_menu->setObjectName(QStringLiteral("FormMenu"));
        for (QAction* command : m_commands) {
            if (command)
                m_menu->addAction(command);
            else
                m_menu->addSeparator();
        }
    }
    return m_menu;
}

QAction* FormCommands::addCommand(const QString& text, const QKeySequence& shortcut,
                                  void (FormCommands::*command)())
{
    auto* action = new QAction(text, &m_window);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, command);
    m_window.addAction(action);
    m_commands.push_back(action);
    return action;
}

void FormCommands::print()
{
    if (!m_window.commitEntry())
        return;
    const SheetOutput* output = sheetOutput();
    if (!output) {
        showError(QStringLiteral("Das Blatt kann nicht gedruckt werden: ein Teil von Kantrix "
                                 "fehlt (kantrix_sheet_output)."));
        return;
    }
    output->print(
        &m_window, m_printer, QFileInfo(proposedFileName()).completeBaseName(),
        [this] {
            return bendSheetOf(m_window.form(), m_window.fields(), QDateTime::currentDateTime());
        },
        [this] { showError(QStringLiteral("Das Blatt konnte nicht gedruckt werden.")); });
}

void FormCommands::saveAsPdf()
{
    if (!m_window.commitEntry())
        return;
    if (m_folder.isEmpty()) {
        m_folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QDir(m_folder).exists())
            m_folder = QDir::homePath();
    }
    auto* dialog = new QFileDialog(&m_window, QStringLiteral("Biegung als PDF speichern"),
                                   QDir(m_folder).filePath(proposedFileName()),
                                   QStringLiteral("PDF-Dateien (*.pdf)"));
    dialog->setObjectName(QStringLiteral("PdfFileDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        m_folder = QFileInfo(path).absolutePath();
        writePdf(path);
    });
    dialog->open();
}

QString FormCommands::proposedFileName() const
{
    return QString::fromStdString(sheetFileName(m_window.form().state()));
}

bool FormCommands::writePdf(const QString& path)
{
    const BendSheet sheet =
        bendSheetOf(m_window.form(), m_window.fields(), QDateTime::currentDateTime());
    const SheetOutput* output = sheetOutput();
    const QByteArray pdf = output ? output->pdf(sheet) : QByteArray();
    const auto failed = [&path](const QString& reason) {
        return QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden%2.\n\nEine schon "
                              "vorhandene Datei dieses Namens bleibt unverändert.")
            .arg(QDir::toNativeSeparators(path), reason);
    };
    if (pdf.isEmpty()) {
        showError(failed(QString()));
        return false;
    }
    QString error;
    if (!writeWholeFile(path, pdf, error)) {
        showError(failed(QStringLiteral(": ") + error));
        return false;
    }
    Q_EMIT pdfWritten(path);
    return true;
}

void FormCommands::copyValues()
{
    if (!m_window.commitEntry())
        return;
    QApplication::clipboard()->setText(QString::fromStdString(quantityLines(m_window.fields())));
}

void FormCommands::newProfile()
{
    if (!m_window.commitEntry())
        return;
    openProfileOfBend(m_window.form().state(), &m_window);
}

void FormCommands::newBox()
{
    openNewBox(&m_window);
}

void FormCommands::openProfile()
{
    askForProfile(&m_window);
}

void FormCommands::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow(&m_window);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void FormCommands::showAbout()
{
    const QString text =
        QStringLiteral("<p><b>%1</b></p>"
                       "<p>Abwicklung einer Blechbiegung: Korrekturwert k, Verkürzung v und "
                       "gestreckte Länge L nach den Formeln der DIN 6935.</p>"
                       "<p>Lizenz: MIT<br>© 2026 Kantrix-Projekt</p>"
                       "<p>Qt %2</p>")
            .arg(programNameAndVersion(), QString::fromLatin1(qVersion()));
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Über Kantrix"), text,
                                QMessageBox::Ok, &m_window);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setIconPixmap(m_window.windowIcon().pixmap(48, 48));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void FormCommands::showError(const QString& message)
{
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Kantrix"), message,
                                QMessageBox::Ok, &m_window);
    box->setObjectName(QStringLiteral("CommandError"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace kantrix
