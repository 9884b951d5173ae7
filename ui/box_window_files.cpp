// What a box window reads and writes: the .kkasten file, the exports, the box sheet on paper or
// as PDF, and the answer on the clipboard. Every file is written whole or not at all
// (whole_file.h), so a write that fails leaves the old file whole.

#include "box_answer.h"
#include "box_drawing.h"
#include "box_file.h"
#include "box_refusal.h"
#include "box_sheet.h"
#include "box_window.h"
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

QString boxFilter()
{
    return QStringLiteral("Kantrix-Kasten (*.kkasten)");
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

BoxWindow* windowOf(const QString& path)
{
    const QString wanted = sameFile(path);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<BoxWindow*>(top);
        if (window && !window->filePath().isEmpty() && sameFile(window->filePath()) == wanted)
            return window;
    }
    return nullptr;
}

void tellRefused(QWidget* parent, const QString& message)
{
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Kantrix"), message,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("BoxFileRefused"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (parent)
        box->open();
    else
        box->exec();
}

} // namespace

BoxWindow* BoxWindow::openFile(const QString& path, QWidget* parent)
{
    if (BoxWindow* shown = windowOf(path)) {
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
    box::Box part;
    try {
        part = box::readBoxFile(*read.text, QFileInfo(path).fileName().toStdString());
    } catch (const box::BoxFileError& refused) {
        tellRefused(parent, QString::fromStdString(refused.what()));
        return nullptr;
    }
    auto* window = new BoxWindow(BoxDraft::of(part), QFileInfo(path).absoluteFilePath());
    window->show();
    window->activateWindow();
    return window;
}

void BoxWindow::open()
{
    auto* dialog = new QFileDialog(this, QStringLiteral("Öffnen"), m_folder, partFilters());
    dialog->setObjectName(QStringLiteral("BoxOpenDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        m_folder = QFileInfo(path).absolutePath();
        openPartFile(path, this);
    });
    dialog->open();
}

bool BoxWindow::save()
{
    commitEntry();
    if (m_path.isEmpty())
        return saveAs();
    return saveTo(m_path);
}

bool BoxWindow::saveAs()
{
    commitEntry();
    if (!requireResult(QStringLiteral("gespeichert")))
        return false;
    const QString path = askSavePath();
    return !path.isEmpty() && saveTo(path);
}

QString BoxWindow::askSavePath()
{
    QFileDialog dialog(this, QStringLiteral("Kasten speichern"),
                       QDir(m_folder).filePath(m_path.isEmpty()
                                                   ? proposedName(QStringLiteral(".kkasten"))
                                                   : QFileInfo(m_path).fileName()),
                       boxFilter());
    dialog.setObjectName(QStringLiteral("BoxSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("kkasten"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    m_folder = QFileInfo(dialog.selectedFiles().first()).absolutePath();
    return dialog.selectedFiles().first();
}

bool BoxWindow::saveTo(const QString& path)
{
    commitEntry();
    if (!requireResult(QStringLiteral("gespeichert")))
        return false;
    if (!writeFile(path, QByteArray::fromStdString(box::writeBoxFile(m_model->box()))))
        return false;
    m_path = QFileInfo(path).absoluteFilePath();
    m_model->undoStack()->setClean();
    updateTitle();
    return true;
}

bool BoxWindow::maybeSave()
{
    if (m_model->undoStack()->isClean())
        return true;
    QMessageBox ask(QMessageBox::Warning, QStringLiteral("Kantrix"),
                    QStringLiteral("Der Kasten „%1“ ist geändert. Sollen die Änderungen "
                                   "gespeichert werden?")
                        .arg(m_path.isEmpty() ? QStringLiteral("Unbenannter Kasten")
                                              : QFileInfo(m_path).fileName()),
                    QMessageBox::NoButton, this);
    ask.setObjectName(QStringLiteral("BoxCloseQuestion"));
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

void BoxWindow::closeEvent(QCloseEvent* event)
{
    commitEntry();
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

QStringList BoxWindow::exportFilters()
{
    return {QStringLiteral("Zuschnitt als DXF (*.dxf)"),
            QStringLiteral("Zuschnitt als SVG (*.svg)"),
            QStringLiteral("Gefalteter Kasten als SVG (*.svg)"),
            QStringLiteral("Kastenblatt als PDF (*.pdf)")};
}

BoxWindow::Export BoxWindow::exportKind(const QString& path, const QString& filter)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("dxf"))
        return Export::BlankDxf;
    if (suffix == QLatin1String("pdf"))
        return Export::SheetPdf;
    const auto chosen = static_cast<int>(exportFilters().indexOf(filter));
    if (suffix == QLatin1String("svg"))
        return chosen == static_cast<int>(Export::FoldedSvg) ? Export::FoldedSvg : Export::BlankSvg;
    return chosen < 0 ? Export::BlankDxf : Export(chosen);
}

void BoxWindow::exportFile()
{
    commitEntry();
    if (!requireResult(QStringLiteral("exportiert")))
        return;
    auto* dialog = new QFileDialog(this, QStringLiteral("Exportieren"),
                                   QDir(m_folder).filePath(proposedName(QStringLiteral(".dxf"))),
                                   exportFilters().join(QStringLiteral(";;")));
    dialog->setObjectName(QStringLiteral("BoxExportDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("dxf"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A name typed without suffix takes the suffix of the filter.
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        dialog->setDefaultSuffix(
            filter.section(QLatin1String("*."), 1).section(QLatin1Char(')'), 0, 0));
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this, dialog](const QString& path) {
        m_folder = QFileInfo(path).absolutePath();
        exportTo(path, exportKind(path, dialog->selectedNameFilter()));
    });
    dialog->open();
}

bool BoxWindow::exportTo(const QString& path, Export kind)
{
    commitEntry();
    if (!requireResult(QStringLiteral("exportiert")))
        return false;
    const box::Box& part = m_model->box();
    const box::BoxResult& result = *m_model->check().result;
    QByteArray bytes;
    try {
        switch (kind) {
        case Export::BlankDxf:
            bytes = QByteArray::fromStdString(box::blankDxf(part, result));
            break;
        case Export::BlankSvg:
            bytes = QByteArray::fromStdString(box::blankSvg(part, result));
            break;
        case Export::FoldedSvg:
            bytes = QByteArray::fromStdString(box::foldedSvg(part, result));
            break;
        case Export::SheetPdf:
            bytes = boxSheetPdf(boxSheetOf(part, result, m_path, QDateTime::currentDateTime()));
            if (bytes.isEmpty()) {
                showError(QStringLiteral("Das Kastenblatt konnte nicht erstellt werden."));
                return false;
            }
            break;
        }
    } catch (const std::runtime_error& refused) {
        showError(QString::fromStdString(refused.what()));
        return false;
    }
    return writeFile(path, bytes);
}

void BoxWindow::print()
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
    dialog->setWindowTitle(QStringLiteral("Kasten drucken"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] {
        if (!requireResult(QStringLiteral("gedruckt")))
            return;
        try {
            const BoxSheet sheet = boxSheetOf(m_model->box(), *m_model->check().result, m_path,
                                              QDateTime::currentDateTime());
            if (!printBoxSheet(*m_printer, sheet))
                showError(QStringLiteral("Das Kastenblatt konnte nicht gedruckt werden."));
        } catch (const std::runtime_error& refused) {
            showError(QString::fromStdString(refused.what()));
        }
    });
    dialog->open();
}

void BoxWindow::copyAnswer()
{
    commitEntry();
    if (!requireResult(QStringLiteral("kopiert")))
        return;
    QApplication::clipboard()->setText(
        QString::fromStdString(box::answerTable(m_model->box(), *m_model->check().result)));
}

bool BoxWindow::requireResult(const QString& what)
{
    if (m_model->check().result)
        return true;
    showError(QStringLiteral("Der Kasten kann so nicht %1 werden:\n%2\n\nBitte zuerst den "
                             "markierten Wert berichtigen.")
                  .arg(what, m_model->check().message));
    return false;
}

bool BoxWindow::writeFile(const QString& path, const QByteArray& bytes)
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

void BoxWindow::showError(const QString& message)
{
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Kantrix"), message,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("CommandError"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString BoxWindow::proposedName(const QString& suffix) const
{
    if (!m_path.isEmpty())
        return QFileInfo(m_path).completeBaseName() + suffix;
    return QString::fromStdString(box::boxBaseName(m_model->box())) + suffix;
}

} // namespace kantrix
