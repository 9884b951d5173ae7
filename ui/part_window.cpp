// The file commands every part window runs alike; see part_window.h.

#include "part_window.h"

#include "part_window_files.h"
#include "profile_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>
#include <QUndoStack>

namespace kantrix {

PartWindow::PartWindow(const QString& path) : m_path(path)
{
    m_folder = path.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                              : QFileInfo(path).absolutePath();
    if (!QDir(m_folder).exists())
        m_folder = QDir::homePath();
}

PartWindow::~PartWindow() = default;

void PartWindow::open()
{
    askToOpen(this, m_folder, words().prefix + QStringLiteral("OpenDialog"),
              [this](const QString& path) {
                  m_folder = QFileInfo(path).absolutePath();
                  openPartFile(path, this);
              });
}

bool PartWindow::save()
{
    commitEntry();
    if (m_path.isEmpty())
        return saveAs();
    return saveTo(m_path);
}

bool PartWindow::saveAs()
{
    commitEntry();
    if (!requireResult(QStringLiteral("gespeichert")))
        return false;
    const QString path = askSavePath();
    return !path.isEmpty() && saveTo(path);
}

QString PartWindow::askSavePath()
{
    return kantrix::askSavePath(this, words(), m_folder,
                                m_path.isEmpty() ? proposedName(QLatin1Char('.') + words().suffix)
                                                 : QFileInfo(m_path).fileName());
}

bool PartWindow::saveTo(const QString& path)
{
    commitEntry();
    if (!requireResult(QStringLiteral("gespeichert")))
        return false;
    if (!writeFile(path, fileBytes()))
        return false;
    m_path = QFileInfo(path).absoluteFilePath();
    undoStack()->setClean();
    updateTitle();
    return true;
}

bool PartWindow::maybeSave()
{
    if (undoStack()->isClean())
        return true;
    switch (askBeforeClose(this, words(), m_path)) {
    case CloseAnswer::Discard:
        return true;
    case CloseAnswer::Save:
        return save();
    case CloseAnswer::Cancel:
        break;
    }
    return false;
}

void PartWindow::closeEvent(QCloseEvent* event)
{
    commitEntry();
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

bool PartWindow::writeFile(const QString& path, const QByteArray& bytes)
{
    if (!writePartFile(this, path, bytes))
        return false;
    Q_EMIT fileWritten(path);
    return true;
}

void PartWindow::showError(const QString& message)
{
    showCommandError(this, message);
}

} // namespace kantrix
