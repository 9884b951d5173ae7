// The file commands both part windows share; see part_window_files.h.

#include "part_window_files.h"

#include "whole_file.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace kantrix {

namespace {

QString sameFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

} // namespace

QString partFilters()
{
    return QStringLiteral("Kantrix-Teile (*.kprofil *.kkasten);;Kantrix-Profil (*.kprofil);;"
                          "Kantrix-Kasten (*.kkasten);;Alle Dateien (*)");
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool isSameFile(const QString& path, const QString& other)
{
    return sameFile(path) == sameFile(other);
}

void bringForward(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void tellRefused(QWidget* parent, const QString& message, const QString& objectName)
{
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Kantrix"), message,
                                QMessageBox::Ok, parent);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (parent)
        box->open();
    else
        box->exec();
}

void askToOpen(QWidget* parent, const QString& folder, const QString& objectName,
               const std::function<void(const QString&)>& chosen)
{
    auto* dialog = new QFileDialog(parent, QStringLiteral("Öffnen"), folder, partFilters());
    dialog->setObjectName(objectName);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, parent, chosen);
    dialog->open();
}

QString askSavePath(QWidget* parent, const PartFileWords& words, QString& folder,
                    const QString& name)
{
    QFileDialog dialog(parent, words.saveTitle, QDir(folder).filePath(name), words.filter);
    dialog.setObjectName(words.prefix + QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(words.suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    folder = QFileInfo(dialog.selectedFiles().first()).absolutePath();
    return dialog.selectedFiles().first();
}

CloseAnswer askBeforeClose(QWidget* parent, const PartFileWords& words, const QString& path)
{
    QMessageBox ask(QMessageBox::Warning, QStringLiteral("Kantrix"),
                    words.changed.arg(path.isEmpty() ? words.unnamed : QFileInfo(path).fileName()),
                    QMessageBox::NoButton, parent);
    ask.setObjectName(words.prefix + QStringLiteral("CloseQuestion"));
    QPushButton* save = ask.addButton(QStringLiteral("&Speichern"), QMessageBox::AcceptRole);
    QPushButton* discard =
        ask.addButton(QStringLiteral("&Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton* cancel = ask.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
    ask.setDefaultButton(save);
    ask.setEscapeButton(cancel);
    ask.exec();
    if (ask.clickedButton() == discard)
        return CloseAnswer::Discard;
    if (ask.clickedButton() == save)
        return CloseAnswer::Save;
    return CloseAnswer::Cancel;
}

void askExportPath(QWidget* parent, const QString& objectName, const QString& start,
                   const QStringList& filters,
                   const std::function<void(const QString&, const QString&)>& chosen)
{
    auto* dialog = new QFileDialog(parent, QStringLiteral("Exportieren"), start,
                                   filters.join(QStringLiteral(";;")));
    dialog->setObjectName(objectName);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("dxf"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A name typed without suffix takes the suffix of the filter.
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        dialog->setDefaultSuffix(
            filter.section(QLatin1String("*."), 1).section(QLatin1Char(')'), 0, 0));
    });
    QObject::connect(
        dialog, &QFileDialog::fileSelected, parent,
        [dialog, chosen](const QString& path) { chosen(path, dialog->selectedNameFilter()); });
    dialog->open();
}

int exportChoice(const QString& path, const QString& filter, const QStringList& filters)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("dxf"))
        return 0;
    if (suffix == QLatin1String("pdf"))
        return 3;
    const auto chosen = static_cast<int>(filters.indexOf(filter));
    if (suffix == QLatin1String("svg"))
        return chosen == 2 ? 2 : 1;
    return chosen < 0 ? 0 : chosen;
}

void askToPrint(QWidget* parent, std::unique_ptr<QPrinter>& printer, const QString& docName,
                const QString& title, const std::function<void()>& accepted)
{
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    }
    printer->setDocName(docName);
    auto* dialog = new QPrintDialog(printer.get(), parent);
    dialog->setObjectName(QStringLiteral("PrintDialog"));
    dialog->setWindowTitle(title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, parent, accepted);
    dialog->open();
}

bool writePartFile(QWidget* parent, const QString& path, const QByteArray& bytes)
{
    QString error;
    if (!writeWholeFile(path, bytes, error)) {
        showCommandError(
            parent, QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2.\n\nEine "
                                   "schon vorhandene Datei dieses Namens bleibt unverändert.")
                        .arg(shownPath(path), error));
        return false;
    }
    return true;
}

void showCommandError(QWidget* parent, const QString& message)
{
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Kantrix"), message,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("CommandError"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace kantrix
