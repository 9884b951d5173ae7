#pragma once

// The file commands the profile and the box window share: reading a part's file, the open, save,
// export and print dialogs, the question before closing a changed part and the messages of a
// command that fails. Each window keeps what is its own (the format, the exports, the sheet); the
// words that name its kind of part come in a PartFileWords, so both ask in the same way.

#include "regular_file.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

class QByteArray;
class QPrinter;
class QWidget;

namespace kantrix {

struct PartFileWords
{
    QString prefix;    // of the dialogs' object names: "Profile", "Box"
    QString filter;    // of the save dialog: "Kantrix-Profil (*.kprofil)"
    QString suffix;    // without the dot: "kprofil"
    QString saveTitle; // "Profil speichern"
    QString changed;   // the question before closing, %1 the file's name
    QString unnamed;   // the name of a part not yet saved: "Unbenanntes Profil"
};

// The open dialogs' filters: both kinds of part, then each, then every file.
QString partFilters();

QString shownPath(const QString& path);
bool isSameFile(const QString& path, const QString& other);
// Shows, raises and activates a window that is open already.
void bringForward(QWidget* window);

// The top-level window of this kind that shows this file already, if one does.
template <class Window> Window* windowShowing(const QString& path)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(top);
        if (window && !window->filePath().isEmpty() && isSameFile(window->filePath(), path))
            return window;
    }
    return nullptr;
}

void tellRefused(QWidget* parent, const QString& message, const QString& objectName);

// A part read from its file by `read`, which throws Error for a file it refuses; nullopt after
// telling the user, over `parent`, why.
template <class Part, class Error, class Read>
std::optional<Part> readPart(const QString& path, QWidget* parent, const QString& refusedName,
                             Read read)
{
    // Only a regular file, opened so that a FIFO cannot hold the window up.
    const RegularFileText text = readRegularFile(QFile::encodeName(path).toStdString(), 64 << 20);
    if (!text.text) {
        tellRefused(parent,
                    QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2.")
                        .arg(shownPath(path), QString::fromStdString(text.why)),
                    refusedName);
        return std::nullopt;
    }
    try {
        return read(*text.text, QFileInfo(path).fileName().toStdString());
    } catch (const Error& refused) {
        tellRefused(parent, QString::fromStdString(refused.what()), refusedName);
        return std::nullopt;
    }
}

// The window of a part's file: the one that shows it already, brought forward, or a new one over
// the part `read` takes from it, shown; nullptr after telling the user, over `parent`, why the
// file is refused.
template <class Window, class Error, class Read>
Window* openPartWindow(const QString& path, QWidget* parent, const QString& refusedName, Read read)
{
    if (Window* shown = windowShowing<Window>(path)) {
        bringForward(shown);
        return shown;
    }
    using Part = std::invoke_result_t<Read, std::string_view, std::string_view>;
    const std::optional<Part> part = readPart<Part, Error>(path, parent, refusedName, read);
    if (!part)
        return nullptr;
    auto* window = new Window(Window::Draft::of(*part), QFileInfo(path).absoluteFilePath());
    window->show();
    window->activateWindow();
    return window;
}

// The open dialog over `parent`, not waiting: `chosen` gets the file picked.
void askToOpen(QWidget* parent, const QString& folder, const QString& objectName,
               const std::function<void(const QString&)>& chosen);
// The path to save to, empty when the user cancels; `folder` follows the user's choice.
QString askSavePath(QWidget* parent, const PartFileWords& words, QString& folder,
                    const QString& name);
enum class CloseAnswer
{
    Save,
    Discard,
    Cancel,
};
CloseAnswer askBeforeClose(QWidget* parent, const PartFileWords& words, const QString& path);
// The export dialog, not waiting: `chosen` gets the path and the filter selected.
void askExportPath(QWidget* parent, const QString& objectName, const QString& start,
                   const QStringList& filters,
                   const std::function<void(const QString&, const QString&)>& chosen);
// Which of the export dialog's filters a name and the selected filter give, for filters in this
// order: the blank as DXF, the blank as SVG, another drawing as SVG, the sheet as PDF. .dxf and
// .pdf decide by themselves, .svg is the other drawing only with its filter selected.
int exportChoice(const QString& path, const QString& filter, const QStringList& filters);
// The print dialog over a printer made once for A4 without margins; `accepted` prints.
void askToPrint(QWidget* parent, std::unique_ptr<QPrinter>& printer, const QString& docName,
                const QString& title, const std::function<void()>& accepted);

// Writes a file whole (whole_file.h); false after telling the user why not.
bool writePartFile(QWidget* parent, const QString& path, const QByteArray& bytes);
void showCommandError(QWidget* parent, const QString& message);

} // namespace kantrix
