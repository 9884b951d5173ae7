#pragma once

// What a profile window and a box window are alike in: a part in a file, saved from the undo
// stack's clean state, asked about before a changed part is closed, and opened beside the others;
// the editor and the results side by side over the drawings. Each window says what its part is
// (its words, its file's bytes, its name, its check) and builds its fields, drawings, exports and
// sheet.

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QSplitter;
class QTableView;
class QUndoStack;

namespace kantrix {

class HelpWindow;
class PressBrakeGroup;
class SvgView;
struct PartFileWords;

class PartWindow : public QMainWindow
{
    Q_OBJECT

public:
    ~PartWindow() override;

    QString filePath() const { return m_path; }
    QTableView* table() const { return m_table; }
    PressBrakeGroup* pressBrake() const { return m_press; }

    void open();
    bool save();
    bool saveAs();
    // Writes the part to `path`; false after telling the user why not.
    bool saveTo(const QString& path);
    // Every material with its values and test bends, where a test bend can be deleted.
    void openMaterials();

Q_SIGNALS:
    // A file is in place, saved or exported.
    void fileWritten(const QString& path);

protected:
    // `name` is the window's object name and begins those of its panes: "Profil", "Kasten".
    PartWindow(const QString& name, const QString& path);

    // The editor and the results side by side over the drawings, each pair in a splitter that
    // starts at the sizes given and shares what the window gains between them. The panes are
    // built before they are passed, in the order Tab visits them.
    struct Panes
    {
        QWidget* editor;
        QWidget* results;
        QWidget* drawings;
        QList<int> across; // the editor's width, the results'
        QList<int> down;   // the height of the two above, the drawings'
    };
    // Lays the window out and lets its title mark a part that differs from its file.
    void setUpPanes(const Panes& panes);
    // A framed view of a library drawing in the drawings' splitter.
    static SvgView* addDrawing(QSplitter* drawings, const QString& caption, const QString& name,
                               const QString& spoken);
    // The line under the editor that says in red why the part is refused.
    QLabel* addMessage(QWidget* editor);

    void closeEvent(QCloseEvent* event) override;
    // The window's commands before a field or the table takes their keys; Tab goes from cell to
    // cell, Ctrl+Tab leaves the table.
    bool eventFilter(QObject* watched, QEvent* event) override;

    virtual const PartFileWords& words() const = 0;
    virtual QUndoStack* undoStack() const = 0;
    // The part's file as it is written.
    virtual QByteArray fileBytes() const = 0;
    // Takes what is being typed, in a field or a cell, as leaving it would.
    virtual void commitEntry() = 0;
    // The part and its result when the model takes it; otherwise says why in a message.
    virtual bool requireResult(const QString& what) = 0;
    // The name the library gives the part, "Kasten 300x200x50", for a file not saved yet.
    virtual QString partName() const = 0;
    // The file's name with `suffix` in place of its own, or else the part's name.
    QString proposedName(const QString& suffix) const;
    // The file's name, or the words' for a part not saved yet, marked while the part differs.
    void updateTitle();

    // Asks whether to save a changed part; false when the user cancels or saving fails.
    bool maybeSave();
    QString askSavePath();
    // The export dialog over a part the model takes; `chosen` writes the file picked.
    void askExport(const QStringList& filters,
                   const std::function<void(const QString& path, const QString& filter)>& chosen);
    bool writeFile(const QString& path, const QByteArray& bytes);
    void showError(const QString& message);

    QString m_path;
    QString m_folder;
    QTableView* m_table = nullptr; // made by the window, with this as its event filter
    PressBrakeGroup* m_press = nullptr;
    QAction* m_updateMaterial = nullptr;
    QPointer<HelpWindow> m_help;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace kantrix
