// What a profile window reads and writes: the .kprofil file, the exports, the profile sheet on
// paper or as PDF, and the answer on the clipboard. Every file is written whole or not at all
// (whole_file.h), so a write that fails leaves the old file whole.

#include "bend_sheet.h"
#include "box_file.h"
#include "box_window.h"
#include "part_window_files.h"
#include "profile_answer.h"
#include "profile_drawing.h"
#include "profile_file.h"
#include "profile_refusal.h"
#include "profile_sheet.h"
#include "profile_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QUndoStack>

namespace kantrix {

namespace {

// A function, not a constant: nothing of the profile windows runs before one is opened.
const PartFileWords& profileWords()
{
    static const PartFileWords words{
        QStringLiteral("Profile"),
        QStringLiteral("Kantrix-Profil (*.kprofil)"),
        QStringLiteral("kprofil"),
        QStringLiteral("Profil speichern"),
        QStringLiteral("Das Profil „%1“ ist geändert. Sollen die Änderungen gespeichert werden?"),
        QStringLiteral("Unbenanntes Profil"),
    };
    return words;
}

} // namespace

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
    return openPartWindow<ProfileWindow, profile::ProfileFileError>(
        path, parent, QStringLiteral("ProfileFileRefused"), profile::readProfileFile);
}

const PartFileWords& ProfileWindow::words() const
{
    return profileWords();
}

QUndoStack* ProfileWindow::undoStack() const
{
    return m_model->undoStack();
}

QByteArray ProfileWindow::fileBytes() const
{
    return QByteArray::fromStdString(profile::writeProfileFile(m_model->profile()));
}

QStringList ProfileWindow::exportFilters()
{
    return {QStringLiteral("Zuschnitt als DXF (*.dxf)"),
            QStringLiteral("Zuschnitt als SVG (*.svg)"), QStringLiteral("Schnitt als SVG (*.svg)"),
            QStringLiteral("Profilblatt als PDF (*.pdf)")};
}

ProfileWindow::Export ProfileWindow::exportKind(const QString& path, const QString& filter)
{
    return Export(exportChoice(path, filter, exportFilters()));
}

void ProfileWindow::exportFile()
{
    askExport(exportFilters(), [this](const QString& path, const QString& filter) {
        exportTo(path, exportKind(path, filter));
    });
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
    askToPrint(this, m_printer, proposedName(QString()), QStringLiteral("Profil drucken"), [this] {
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

QString ProfileWindow::partName() const
{
    return QString::fromStdString(profile::profileBaseName(m_model->profile()));
}

void ProfileWindow::askAndOpen(QWidget* parent)
{
    askToOpen(parent, QString(), QStringLiteral("ProfileOpenDialog"),
              [parent](const QString& path) { openPartFile(path, parent); });
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
