// What a box window reads and writes: the .kkasten file, the exports, the box sheet on paper or
// as PDF, and the answer on the clipboard. Every file is written whole or not at all
// (whole_file.h), so a write that fails leaves the old file whole.

#include "box_answer.h"
#include "box_drawing.h"
#include "box_file.h"
#include "box_refusal.h"
#include "box_sheet.h"
#include "box_window.h"
#include "part_window_files.h"
#include "profile_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QPrinter>
#include <QUndoStack>

namespace kantrix {

namespace {

const PartFileWords& boxWords()
{
    static const PartFileWords words{
        QStringLiteral("Box"),
        QStringLiteral("Kantrix-Kasten (*.kkasten)"),
        QStringLiteral("kkasten"),
        QStringLiteral("Kasten speichern"),
        QStringLiteral("Der Kasten „%1“ ist geändert. Sollen die Änderungen gespeichert werden?"),
        QStringLiteral("Unbenannter Kasten"),
    };
    return words;
}

} // namespace

BoxWindow* BoxWindow::openFile(const QString& path, QWidget* parent)
{
    return openPartWindow<BoxWindow, box::BoxFileError>(
        path, parent, QStringLiteral("BoxFileRefused"), box::readBoxFile);
}

const PartFileWords& BoxWindow::words() const
{
    return boxWords();
}

QUndoStack* BoxWindow::undoStack() const
{
    return m_model->undoStack();
}

QByteArray BoxWindow::fileBytes() const
{
    return QByteArray::fromStdString(box::writeBoxFile(m_model->box()));
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
    return Export(exportChoice(path, filter, exportFilters()));
}

void BoxWindow::exportFile()
{
    askExport(exportFilters(), [this](const QString& path, const QString& filter) {
        exportTo(path, exportKind(path, filter));
    });
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
    askToPrint(this, m_printer, proposedName(QString()), QStringLiteral("Kasten drucken"), [this] {
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

QString BoxWindow::partName() const
{
    return QString::fromStdString(box::boxBaseName(m_model->box()));
}

} // namespace kantrix
