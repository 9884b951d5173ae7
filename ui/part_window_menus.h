#pragma once

// The menus, keys and tool bar the profile and the box window share: the file commands, undo and
// redo named after the change they take back, the press brake's commands, the tool bar, and the
// keys a window takes before its fields and table do. Each window adds what is its own (its kind
// of new part, the profile's legs, the about box) around these.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>

class QEvent;
class QMainWindow;
class QTableView;
class QUndoStack;

namespace kantrix {

class HelpWindow;

// An action of the window, its keys working wherever the focus is in it.
QAction* newCommand(QWidget* window, const QString& text, const QKeySequence& keys);

template <class Window, class Owner>
QAction* addCommand(Window* window, const QString& text, const QKeySequence& keys,
                    void (Owner::*command)())
{
    QAction* action = newCommand(window, text, keys);
    QObject::connect(action, &QAction::triggered, window, command);
    return action;
}

// Close the window and quit the program.
void addCloseCommands(QWidget* window, QMenu* file);

struct FileCommands
{
    QAction* save;
    QAction* exporting;
    QAction* printing;
};

// Save, save as, export, print, close and quit, after what opens a part in the file menu.
template <class Window> FileCommands addFileCommands(Window* window, QMenu* file)
{
    auto* saveAction = new QAction(QStringLiteral("&Speichern"), window);
    saveAction->setShortcut(QKeySequence::Save);
    QObject::connect(saveAction, &QAction::triggered, window, [window] { window->save(); });
    auto* saveAsAction = new QAction(QStringLiteral("Speichern &unter…"), window);
    saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QObject::connect(saveAsAction, &QAction::triggered, window, [window] { window->saveAs(); });
    window->addAction(saveAction);
    window->addAction(saveAsAction);
    file->addAction(saveAction);
    file->addAction(saveAsAction);
    file->addSeparator();
    QAction* exporting = addCommand(window, QStringLiteral("&Exportieren…"),
                                    QKeySequence(Qt::CTRL | Qt::Key_E), &Window::exportFile);
    QAction* printing =
        addCommand(window, QStringLiteral("&Drucken…"), QKeySequence::Print, &Window::print);
    file->addAction(exporting);
    file->addAction(printing);
    file->addSeparator();
    addCloseCommands(window, file);
    return {saveAction, exporting, printing};
}

struct UndoCommands
{
    QAction* undo;
    QAction* redo;
};

// Undo and redo over `stack`, in the edit menu. What is being typed counts first
// (`commitEntry`), so that undo takes back the last change, that one.
UndoCommands addUndoCommands(QWidget* window, QMenu* edit, QUndoStack* stack,
                             const std::function<void()>& commitEntry);

struct PressCommands
{
    QAction* updateMaterial;
    QAction* copy;
};

// The test bend, the materials, the update of the part's material and the copy of the answer.
template <class Window> PressCommands addPressCommands(Window* window, QMenu* edit)
{
    edit->addAction(addCommand(window, QStringLiteral("&Probebiegung…"),
                               QKeySequence(Qt::CTRL | Qt::Key_T), &Window::openTestBend));
    edit->addAction(
        addCommand(window, QStringLiteral("&Werkstoffe…"), QKeySequence(), &Window::openMaterials));
    QAction* update = addCommand(window, QStringLiteral("Werkstoff &aktualisieren"), QKeySequence(),
                                 &Window::updateMaterial);
    edit->addAction(update);
    edit->addSeparator();
    QAction* copy = addCommand(window, QStringLiteral("Ergebnis &kopieren"),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &Window::copyAnswer);
    edit->addAction(copy);
    return {update, copy};
}

// The tool bar: the file commands, then undo and redo, then the copy of the answer.
void addCommandBar(QMainWindow* window, const QString& objectName,
                   std::initializer_list<QAction*> files, const UndoCommands& undo, QAction* copy);

// A line edit claims some of the window's keys for its own editing: Ctrl+Z for its undo, Ctrl+E
// for the end of the line, Ctrl+Ins to copy. True for such a key that is one of the window's
// commands, which then comes first.
bool windowCommandFirst(const QWidget* window, QEvent* event);
// For Ctrl+Tab or Ctrl+Shift+Tab pressed in the table or its cell editor, which leaves the table
// as it leaves a text editor, whether it goes forward; nothing for any other event.
std::optional<bool> leavesTable(const QTableView* table, const QObject* watched,
                                const QEvent* event);
// An open cell editor, if it has the focus, hands its text over and stays open.
void commitCellEditor(const QTableView* table, QWidget* focus);

// The help window, made once, at the section of this kind of part.
void showHelpAt(QWidget* parent, QPointer<HelpWindow>& help, const QString& section);
// The window's title: the file's name or `unnamed`, marked while the part is changed.
void showPartTitle(QWidget* window, const QString& path, const QString& unnamed, bool clean);

} // namespace kantrix
