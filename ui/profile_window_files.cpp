// What a profile window reads and writes: the .kprofil file, the exports, the profile sheet on
// paper or as PDF, and the answer on the clipboard. Every file is written whole or not at all
// (whole_file.h), so a write that fails leaves the old file whole.

#include "bend_sheet.h"
#include "box_file.h"
#include "box_window.h"
#include "profile_answer.h"
#include "profile_drawing.h"
#include "profile_file.h"
#include "profile_refusal.h"
#include "profile_sheet.h"
#include "profile_window.h"
#include "regular_file.h"
#include "whole_file.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUndoStack>

namespace kantrix {

namespace {

// Functions, not constants: nothing of the profile windows runs before one is opened.
QString profileFilter()
{
    return QStringLiteral("Kantrix-Profil (*.kprofil)");
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString sameFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

// The window that shows this file already, if one does.
ProfileWindow* windowOf(const QString& path)
{
    const QString wanted = sameFile(path);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<ProfileWindow*>(top);
        if (window && !window->filePath().isEmpty() && sameFile(window->filePath()) == wanted)
            return window;
    }
    return nullptr;
}

void tellRefused(QWidget* parent, const QString& message)
{
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Kantrix"), message,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("ProfileFileRefused"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (parent)
        box->open();
    else
        box->exec();
}

} // namespace

QString partFilters()
{
    return QStringLiteral("Kantrix-Teile (*.kprofil *.kkasten);;") + profileFilter() +
           QStringLiteral(";;Kantrix-Kasten (*.kkasten);;Alle Dateien (*)");
}

QMainWindow* openPartFile(const QString& path, QWidget* parent)
{
    if (path.endsWith(QLatin1String(box::boxFileSuffix.data(),
                                    static_cast<qsizetype>(box::boxFileSuffix.size())),
                      Qt::CaseInsensitive))
        return BoxWindow::openFile(path, parent);
    return ProfileWindow::openFile(path, parent);
}

ProfileWindow* ProfileWindow::openFile(const QString& path, QWidget* parent)
{
    if (ProfileWindow* shown = windowOf(path)) {
        shown->show();
        shown->raise();
        shown->activateWindow();
        return shown;
    }
    // Only a regular file, opened so that a FIFO cannot hold the window up.
    const RegularFileText read = readRegularFile(QFile::encodeName(path).toStdString(), 64 << 20);
    if (!read.text) {
        tellRefused(parent, QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2.")
                                .arg(shownPath(path), QString::fromStdString(read.why)));
        return nullptr;
    }
    profile::Profile part;
    try {
        part = profile::readProfileFile(*read.text, QFileInfo(path).fileName().toStdString());
    } catch (const profile::ProfileFileError& refused) {
        tellRefused(parent, QString::fromStdString(refused.what()));
        return nullptr;
    }
    auto* window = new ProfileWindow(ProfileDraft::of(part), QFileInfo(path).absoluteFilePath());
    window->show();
    window->activateWindow();
    return window;
}

void ProfileWindow::open()
{
    auto* dialog = new QFileDialog(this, QStringLiteral("Öffnen"), m_folder, partFilters());
    dialog->setObjectName(QStringLiteral("ProfileOpenDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        m_folder = QFileInfo(path).absolutePath();
        openPartFile(path, this);
    });
    dialog->open();
}

bool ProfileWindow::save()
{
    commitEntry();
    if (m_path.isEmpty())
        return saveAs();
    return saveTo(m_path);
}

bool ProfileWindow::saveAs()
{
    commitEntry();
    if (!requireResult(QStringLiteral("gespeichert")))
        return false;
    const QString path = askSavePath();
    return !path.isEmpty() && saveTo(path);
}

QString ProfileWindow::askSavePath()
{
    QFileDialog dialog(this, QStringLiteral("Profil speichern"),
                       QDir(m_folder).filePath(m_path.isEmpty()
                                                   ? proposedName(QStringLiteral(".kprofil"))
                                                   : QFileInfo(m_path).fileName()),
                       profileFilter());
    dialog.setObjectName(QStringLiteral("ProfileSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("kprofil"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    m_folder = QFileInfo(dialog.selectedFiles().first()).absolutePath();
    return dialog.selectedFiles().first();
}

bool ProfileWindow::saveTo(const QString& path)
{
    commitEntry();
    if (!requireResult(QStringLiteral("gespeichert")))
        return false;
    if (!writeFile(path, QByteArray::fromStdString(profile::writeProfileFile(m_model->profile()))))
        return false;
    m_path = QFileInfo(path).absoluteFilePath();
    m_model->undoStack()->setClean();
    updateTitle();
    return true;
}

bool ProfileWindow::maybeSave()
{
    if (m_model->undoStack()->isClean())
        return true;
    QMessageBox ask(QMessageBox::Warning, QStringLiteral("Kantrix"),
                    QStringLiteral("Das Profil „%1“ ist geändert. Sollen die Änderungen "
                                   "gespeichert werden?")
                        .arg(m_path.isEmpty() ? QStringLiteral("Unbenanntes Profil")
                                              : QFileInfo(m_path).fileName()),
                    QMessageBox::NoButton, this);
    ask.setObjectName(QStringLiteral("ProfileCloseQuestion"));
    QPushButton* save = ask.addButton(QStringLiteral("&Speichern"), QMessageBox::AcceptRole);
    QPushButton* discard =
        ask.addButton(QStringLiteral("&Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton* cancel = ask.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
    ask.setDefaultButton(save);
    ask.setEscapeButton(cancel);
    ask.exec();
    if (ask.clickedButton() == discard)
        return true;
    if (ask.clickedButton() == save)
        return this->save();
    return false;
}

void ProfileWindow::closeEvent(QCloseEvent* event)
{
    commitEntry();
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

QStringList ProfileWindow::exportFilters()
{
    return {QStringLiteral("Zuschnitt als DXF (*.dxf)"),
            QStringLiteral("Zuschnitt als SVG (*.svg)"), QStringLiteral("Schnitt als SVG (*.svg)"),
            QStringLiteral("Profilblatt als PDF (*.pdf)")};
}

ProfileWindow::Export ProfileWindow::exportKind(const QString& path, const QString& filter)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("dxf"))
        return Export::BlankDxf;
    if (suffix == QLatin1String("pdf"))
        return Export::SheetPdf;
    const auto chosen = static_cast<int>(exportFilters().indexOf(filter));
    if (suffix == QLatin1String("svg"))
        return chosen == static_cast<int>(Export::SectionSvg) ? Export::SectionSvg
                                                              : Export::BlankSvg;
    return chosen < 0 ? Export::BlankDxf : Export(chosen);
}

void ProfileWindow::exportFile()
{
    commitEntry();
    if (!requireResult(QStringLiteral("exportiert")))
        return;
    auto* dialog = new QFileDialog(this, QStringLiteral("Exportieren"),
                                   QDir(m_folder).filePath(proposedName(QStringLiteral(".dxf"))),
                                   exportFilters().join(QStringLiteral(";;")));
    dialog->setObjectName(QStringLiteral("ProfileExportDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("dxf"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A name typed without suffix takes the suffix of the filter.
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        const QString suffix =
            filter.section(QLatin1String("*."), 1).section(QLatin1Char(')'), 0, 0);
        dialog->setDefaultSuffix(suffix);
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this, dialog](const QString& path) {
        m_folder = QFileInfo(path).absolutePath();
        exportTo(path, exportKind(path, dialog->selectedNameFilter()));
    });
    dialog->open();
}

bool ProfileWindow::exportTo(const QString& path, Export kind)
{
    commitEntry();
    if (!requireResult(QStringLiteral("exportiert")))
        return false;
    const profile::Profile& part = m_model->profile();
    const profile::ProfileResult& result = *m_model->check().result;
    QByteArray bytes;
    try {
        switch (kind) {
        case Export::BlankDxf:
        case Export::BlankSvg:
            if (!part.width) {
                showError(QStringLiteral("Ohne die Breite W gibt es keinen Zuschnitt: bitte W, die "
                                         "Länge der Biegelinien, eingeben."));
                return false;
            }
            bytes = QByteArray::fromStdString(kind == Export::BlankDxf
                                                  ? profile::blankDxf(part, result)
                                                  : profile::blankSvg(part, result));
            break;
        case Export::SectionSvg:
            bytes = QByteArray::fromStdString(profile::sectionSvg(part, result));
            break;
        case Export::SheetPdf:
            bytes =
                profileSheetPdf(profileSheetOf(part, result, m_path, QDateTime::currentDateTime()));
            if (bytes.isEmpty()) {
                showError(QStringLiteral("Das Profilblatt konnte nicht erstellt werden."));
                return false;
            }
            break;
        }
    } catch (const profile::ProfileRefusal& refused) {
        showError(QString::fromStdString(refused.what()));
        return false;
    }
    return writeFile(path, bytes);
}

void ProfileWindow::print()
{
    commitEntry();
    if (!requireResult(QStringLiteral("gedruckt")))
        return;
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    }
    m_printer->setDocName(proposedName(QString()));
    auto* dialog = new QPrintDialog(m_printer.get(), this);
    dialog->setObjectName(QStringLiteral("PrintDialog"));
    dialog->setWindowTitle(QStringLiteral("Profil drucken"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] {
        if (!requireResult(QStringLiteral("gedruckt")))
            return;
        try {
            const ProfileSheet sheet = profileSheetOf(m_model->profile(), *m_model->check().result,
                                                      m_path, QDateTime::currentDateTime());
            if (!printProfileSheet(*m_printer, sheet))
                showError(QStringLiteral("Das Profilblatt konnte nicht gedruckt werden."));
        } catch (const profile::ProfileRefusal& refused) {
            showError(QString::fromStdString(refused.what()));
        }
    });
    dialog->open();
}

void ProfileWindow::copyAnswer()
{
    commitEntry();
    if (!requireResult(QStringLiteral("kopiert")))
        return;
    QApplication::clipboard()->setText(
        QString::fromStdString(profile::answerTable(m_model->profile(), *m_model->check().result)));
}

void ProfileWindow::showAbout()
{
    const QString text =
        QStringLiteral("<p><b>%1</b></p>"
                       "<p>Abwicklung eines Profils mit mehreren Biegungen: Korrekturwert k, "
                       "Verkürzung v und gestreckte Länge L nach den Formeln der DIN 6935.</p>"
                       "<p>Lizenz: MIT<br>© 2026 Kantrix-Projekt</p>"
                       "<p>Qt %2</p>")
            .arg(programNameAndVersion(), QString::fromLatin1(qVersion()));
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Über Kantrix"), text,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setIconPixmap(windowIcon().pixmap(48, 48));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool ProfileWindow::requireResult(const QString& what)
{
    if (m_model->check().result)
        return true;
    showError(QStringLiteral("Das Profil kann so nicht %1 werden:\n%2\n\nBitte zuerst den "
                             "markierten Wert berichtigen.")
                  .arg(what, m_model->check().message));
    return false;
}

bool ProfileWindow::writeFile(const QString& path, const QByteArray& bytes)
{
    QString error;
    if (!writeWholeFile(path, bytes, error)) {
        showError(QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2.\n\nEine "
                                 "schon vorhandene Datei dieses Namens bleibt unverändert.")
                      .arg(shownPath(path), error));
        return false;
    }
    Q_EMIT fileWritten(path);
    return true;
}

void ProfileWindow::showError(const QString& message)
{
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Kantrix"), message,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("CommandError"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString ProfileWindow::proposedName(const QString& suffix) const
{
    if (!m_path.isEmpty())
        return QFileInfo(m_path).completeBaseName() + suffix;
    return QString::fromStdString(profile::profileBaseName(m_model->profile())) + suffix;
}

void ProfileWindow::askAndOpen(QWidget* parent)
{
    auto* dialog = new QFileDialog(parent, QStringLiteral("Öffnen"), QString(), partFilters());
    dialog->setObjectName(QStringLiteral("ProfileOpenDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, parent,
                     [parent](const QString& path) { openPartFile(path, parent); });
    dialog->open();
}

int ProfileWindow::openFiles(const QStringList& paths)
{
    int opened = 0;
    for (const QString& path : paths) {
        if (openPartFile(path, nullptr))
            ++opened;
    }
    return opened;
}

} // namespace kantrix
