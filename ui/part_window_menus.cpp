// The menus, keys and tool bar both part windows share; see part_window_menus.h.

#include "part_window_menus.h"

#include "help_window.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTableView>
#include <QTextBrowser>
#include <QToolBar>
#include <QUndoStack>

namespace kantrix {

QAction* newCommand(QWidget* window, const QString& text, const QKeySequence& keys)
{
    auto* action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

void addCloseCommands(QWidget* window, QMenu* file)
{
    auto* closing = new QAction(QStringLiteral("S&chließen"), window);
    closing->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    QObject::connect(closing, &QAction::triggered, window, &QWidget::close);
    window->addAction(closing);
    file->addAction(closing);
    auto* quit = new QAction(QStringLiteral("&Beenden"), window);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QObject::connect(quit, &QAction::triggered, qApp, &QApplication::closeAllWindows,
                     Qt::QueuedConnection);
    window->addAction(quit);
    file->addAction(quit);
}

UndoCommands addUndoCommands(QWidget* window, QMenu* edit, QUndoStack* stack,
                             const std::function<void()>& commitEntry)
{
    auto* undo = new QAction(window);
    undo->setShortcut(QKeySequence::Undo);
    auto* redo = new QAction(window);
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    const auto name = [stack, undo, redo] {
        undo->setEnabled(stack->canUndo());
        undo->setText(stack->canUndo() ? QStringLiteral("&Rückgängig: %1").arg(stack->undoText())
                                       : QStringLiteral("&Rückgängig"));
        redo->setEnabled(stack->canRedo());
        redo->setText(stack->canRedo() ? QStringLiteral("&Wiederholen: %1").arg(stack->redoText())
                                       : QStringLiteral("&Wiederholen"));
    };
    QObject::connect(stack, &QUndoStack::indexChanged, window, name);
    QObject::connect(stack, &QUndoStack::cleanChanged, window, name);
    name();
    QObject::connect(undo, &QAction::triggered, window, [commitEntry, stack] {
        commitEntry();
        stack->undo();
    });
    QObject::connect(redo, &QAction::triggered, window, [commitEntry, stack] {
        commitEntry();
        stack->redo();
    });
    window->addAction(undo);
    window->addAction(redo);
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    return {undo, redo};
}

void addCommandBar(QMainWindow* window, const QString& objectName,
                   std::initializer_list<QAction*> files, const UndoCommands& undo, QAction* copy)
{
    QToolBar* tools = window->addToolBar(QStringLiteral("Befehle"));
    tools->setObjectName(objectName);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->setMovable(false);
    for (QAction* action : files)
        tools->addAction(action);
    tools->addSeparator();
    tools->addAction(undo.undo);
    tools->addAction(undo.redo);
    tools->addSeparator();
    tools->addAction(copy);
}

bool windowCommandFirst(const QWidget* window, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    const QList<QAction*> commands = window->findChildren<QAction*>(Qt::FindDirectChildrenOnly);
    for (const QAction* command : commands) {
        if (command->shortcuts().contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return false;
}

std::optional<bool> leavesTable(const QTableView* table, const QObject* watched,
                                const QEvent* event)
{
    if (event->type() != QEvent::KeyPress ||
        (watched != table &&
         !table->viewport()->isAncestorOf(qobject_cast<const QWidget*>(watched))))
        return std::nullopt;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) ||
        !key->modifiers().testFlag(Qt::ControlModifier))
        return std::nullopt;
    return key->key() == Qt::Key_Tab && !key->modifiers().testFlag(Qt::ShiftModifier);
}

void commitCellEditor(const QTableView* table, QWidget* focus)
{
    if (focus && table->viewport()->isAncestorOf(focus)) {
        QWidget* editor = focus;
        while (editor->parentWidget() != table->viewport())
            editor = editor->parentWidget();
        Q_EMIT table->itemDelegate()->commitData(editor);
    }
}

void showHelpAt(QWidget* parent, QPointer<HelpWindow>& help, const QString& section)
{
    if (!help)
        help = new HelpWindow(parent);
    help->show();
    help->raise();
    help->activateWindow();
    help->browser()->scrollToAnchor(HelpWindow::anchorName(section));
}

void showPartTitle(QWidget* window, const QString& path, const QString& unnamed, bool clean)
{
    const QString name = path.isEmpty() ? unnamed : QFileInfo(path).fileName();
    window->setWindowTitle(QStringLiteral("%1[*] – Kantrix").arg(name));
    window->setWindowModified(!clean);
}

} // namespace kantrix
