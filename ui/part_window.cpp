// What every part window does alike: its panes, its keys, its title and its files; see
// part_window.h.

#include "part_window.h"

#include "accessibility.h"
#include "field_marks.h"
#include "materials_dialog.h"
#include "part_window_files.h"
#include "part_window_menus.h"
#include "press_brake_group.h"
#include "profile_window.h"
#include "program_icon.h"
#include "svg_view.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace kantrix {

PartWindow::PartWindow(const QString& name, const QString& path) : m_path(path)
{
    accessibility::install();
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(programIcon());
    m_folder = path.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                              : QFileInfo(path).absolutePath();
    if (!QDir(m_folder).exists())
        m_folder = QDir::homePath();
}

PartWindow::~PartWindow()
{
    // The children are deleted when this is no longer the window that built them. What they
    // signal then (a field that loses the focus, the undo stack clearing itself) must not reach it.
    const QList<QObject*> children = findChildren<QObject*>();
    for (QObject* child : children)
        child->disconnect(this);
}

void PartWindow::setUpPanes(const Panes& panes)
{
    // The margin in a layout around the splitter: a splitter's own margins are left out of its
    // smallest size, which then cut the captions off at the window's smallest.
    auto* central = new QWidget(this);
    auto* margin = new QVBoxLayout(central);
    margin->setContentsMargins(6, 6, 6, 6);
    auto* split = new QSplitter(Qt::Vertical, central);
    margin->addWidget(split);
    split->setObjectName(objectName() + QStringLiteral("_Teilung"));
    auto* upper = new QSplitter(Qt::Horizontal, split);
    upper->addWidget(panes.editor);
    upper->addWidget(panes.results);
    upper->setStretchFactor(0, 1);
    upper->setStretchFactor(1, 1);
    upper->setSizes(panes.across);
    split->addWidget(upper);
    split->addWidget(panes.drawings);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setSizes(panes.down);
    split->setChildrenCollapsible(false);
    upper->setChildrenCollapsible(false);
    setCentralWidget(central);
    connect(undoStack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
}

SvgView* PartWindow::addDrawing(QSplitter* drawings, const QString& caption, const QString& name,
                                const QString& spoken)
{
    auto* frame = new QGroupBox(caption, drawings);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* view = new SvgView(frame);
    view->setObjectName(name);
    view->setAccessibleName(spoken);
    layout->addWidget(view);
    drawings->addWidget(frame);
    return view;
}

QLabel* PartWindow::addMessage(QWidget* editor)
{
    auto* message = new QLabel(editor);
    message->setObjectName(objectName() + QStringLiteral("_Meldung"));
    message->setWordWrap(true);
    message->setMinimumHeight(2 * message->fontMetrics().lineSpacing() + 4);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette red = message->palette();
    red.setColor(QPalette::WindowText, refusedText);
    message->setPalette(red);
    return message;
}

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

QString PartWindow::proposedName(const QString& suffix) const
{
    if (!m_path.isEmpty())
        return QFileInfo(m_path).completeBaseName() + suffix;
    return partName() + suffix;
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

void PartWindow::askExport(
    const QStringList& filters,
    const std::function<void(const QString& path, const QString& filter)>& chosen)
{
    commitEntry();
    if (!requireResult(QStringLiteral("exportiert")))
        return;
    askExportPath(this, words().prefix + QStringLiteral("ExportDialog"),
                  QDir(m_folder).filePath(proposedName(QStringLiteral(".dxf"))), filters,
                  [this, chosen](const QString& path, const QString& filter) {
                      m_folder = QFileInfo(path).absolutePath();
                      chosen(path, filter);
                  });
}

void PartWindow::openMaterials()
{
    auto* dialog = new MaterialsDialog(m_press->materials(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &MaterialsDialog::materialsWritten, this, &PressBrakeGroup::reloadEverywhere);
    dialog->show();
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

bool PartWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The window's undo takes back whole changes, not what a line edit would.
    if (windowCommandFirst(this, event))
        return true;
    // Ctrl+Tab leaves the table, so that the keys reach the results too.
    if (const std::optional<bool> forward = leavesTable(m_table, watched, event)) {
        commitEntry();
        m_table->setFocus(Qt::OtherFocusReason);
        focusNextPrevChild(*forward);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void PartWindow::updateTitle()
{
    showPartTitle(this, m_path, words().unnamed, undoStack()->isClean());
}

void PartWindow::showError(const QString& message)
{
    showCommandError(this, message);
}

} // namespace kantrix
