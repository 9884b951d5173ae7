#pragma once

// What a profile window and a box window are alike in: a part in a file, saved from the undo
// stack's clean state, asked about before a changed part is closed, and opened beside the others.
// Each window says what its part is (its words, its file's bytes, its name, its check) and keeps
// its fields, drawings, exports and sheet.

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QPrinter;
class QUndoStack;

namespace kantrix {

class HelpWindow;
struct PartFileWords;

class PartWindow : public QMainWindow
{
    Q_OBJECT

public:
    ~PartWindow() override;

    QString filePath() const { return m_path; }

    void open();
    bool save();
    bool saveAs();
    // Writes the part to `path`; false after telling the user why not.
    bool saveTo(const QString& path);

Q_SIGNALS:
    // A file is in place, saved or exported.
    void fileWritten(const QString& path);

protected:
    explicit PartWindow(const QString& path);

    void closeEvent(QCloseEvent* event) override;

    virtual const PartFileWords& words() const = 0;
    virtual QUndoStack* undoStack() const = 0;
    // The part's file as it is written.
    virtual QByteArray fileBytes() const = 0;
    // Takes what is being typed, in a field or a cell, as leaving it would.
    virtual void commitEntry() = 0;
    // The part and its result when the model takes it; otherwise says why in a message.
    virtual bool requireResult(const QString& what) = 0;
    virtual QString proposedName(const QString& suffix) const = 0;
    virtual void updateTitle() = 0;

    // Asks whether to save a changed part; false when the user cancels or saving fails.
    bool maybeSave();
    QString askSavePath();
    bool writeFile(const QString& path, const QByteArray& bytes);
    void showError(const QString& message);

    QString m_path;
    QString m_folder;
    QPointer<HelpWindow> m_help;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace kantrix
