#pragma once

// The commands of the window beyond its fields: print the bend sheet, save it as PDF, copy the
// values, open a profile window, the user notes and the program's particulars. They sit on
// keyboard shortcuts and in a context menu on the form (the input fields keep their own edit
// menu), so the window keeps its layout and controls. Only the shortcuts exist from the start; the
// menu is built at its first right click, and dialogs, printer, help and profile windows when
// first used.
//
// A command that uses the values first runs the leave rule of the field being typed in, as if
// it had been left; if that rule faults, the fault is reported and the command does nothing.

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class QAction;
class QKeySequence;
class QMenu;
class QPrinter;

namespace kantrix {

class HelpWindow;
class Verdano;

class FormCommands : public QObject
{
    Q_OBJECT

public:
    explicit FormCommands(Verdano& window);
    ~FormCommands() override;

    // The context menu, built when first asked for.
    QMenu* menu();

    void print();
    void saveAsPdf();
    void copyValues();
    // A profile window with the bend shown, or with a .kprofil file.
    void newProfile();
    void newBox();
    void openProfile();
    void showHelp();
    void showAbout();

Q_SIGNALS:
    // A sheet is in place as a PDF file.
    void pdfWritten(const QString& path);

private:
    QAction* addCommand(const QString& text, const QKeySequence& shortcut,
                        void (FormCommands::*command)());
    void showError(const QString& message);
    QString proposedFileName() const;
    // Writes the sheet of the bend shown to `path`, all or nothing; false after telling the
    // user why not.
    bool writePdf(const QString& path);

    Verdano& m_window;
    std::vector<QAction*> m_commands; // in the menu's order; nullptr where a separator goes
    QMenu* m_menu = nullptr;
    QPointer<HelpWindow> m_help;
    std::shared_ptr<QPrinter> m_printer; // made by the sheet's output, at the first print
    QString m_folder; // where the next PDF is proposed; empty until the first one
};

} // namespace kantrix
