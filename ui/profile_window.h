#pragma once

// A profile window: the common values s, r and W in fields, the legs and bends in a table over
// the window's ProfileModel, the results and the library's two drawings beside and below them.
// Every change is on the model's undo stack, whose clean state is the saved file. The files, the
// export, the profile sheet and the copy of the answer are in profile_window_files.cpp.

#include "part_window.h"
#include "profile_model.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;

namespace kantrix {

struct BendState;
struct ProfileWindows;
class ProfileResults;
class SvgView;

// Opens a .kkasten file in a box window and any other in a profile window; the window, or
// nullptr after telling the user, over `parent`, why the file is refused.
QMainWindow* openPartFile(const QString& path, QWidget* parent);

class ProfileWindow : public PartWindow
{
    Q_OBJECT

public:
    using Draft = ProfileDraft;

    explicit ProfileWindow(const ProfileDraft& draft = ProfileDraft::empty(),
                           const QString& path = {});

    // Reads a .kprofil file into a new window, shown; nullptr after telling the user, over
    // `parent`, why the file is refused.
    static ProfileWindow* openFile(const QString& path, QWidget* parent);

    // The ways in from the program (profile_launch.h), as the module offers them.
    static const ProfileWindows& waysIn();
    static void openOfBend(const BendState& bend);
    static void askAndOpen(QWidget* parent);
    static int openFiles(const QStringList& paths);

    ProfileModel* model() const { return m_model; }
    // The text field of a value; for the die, the line of its combo box.
    QLineEdit* field(ProfileCommon which) const;
    QComboBox* materialBox() const;
    QComboBox* dieBox() const;
    QComboBox* rollingBox() const;
    QLabel* materialsMessage() const;
    QLabel* message() const { return m_message; }
    ProfileResults* results() const { return m_results; }
    SvgView* section() const { return m_section; }
    SvgView* blank() const { return m_blank; }

    // The commands, as the menu and the keys run them.
    void newProfile();
    void newBox();
    void exportFile();
    void print();
    void copyAnswer();
    void showHelp();
    void showAbout();
    // The test-bend dialog over this profile's material, thickness and die.
    void openTestBend();
    // The profile's material as the user's materials file now has it, as one undoable change.
    void updateMaterial();
    // Reads the user's materials file again, after it changed. A profile whose material was the
    // catalog's takes the new one; a file that cannot be read changes nothing and says why.
    void reloadMaterials();

    // The kinds of file Ctrl+E writes, in the order of the export dialog's filters.
    enum class Export
    {
        BlankDxf,
        BlankSvg,
        SectionSvg,
        SheetPdf,
    };
    static QStringList exportFilters();
    // The kind a name and the selected filter give: .dxf and .pdf decide by themselves.
    static Export exportKind(const QString& path, const QString& filter);
    bool exportTo(const QString& path, Export kind);

private:
    void buildActions();
    QWidget* buildEditor();
    QWidget* buildPressBrake(QWidget* parent);
    // The material, die and rolling direction boxes as the draft has them.
    void showPressBrake();
    QWidget* buildDrawings();

    void takeField(ProfileCommon which);
    void commitEntry() override;
    void showDraft();
    bool requireResult(const QString& what) override;
    QString partName() const override;
    const PartFileWords& words() const override;
    QUndoStack* undoStack() const override;
    QByteArray fileBytes() const override;

    ProfileModel* m_model;
    QLineEdit* m_fields[profileCommonCount] = {};
    QLabel* m_message = nullptr;
    ProfileResults* m_results = nullptr;
    SvgView* m_section = nullptr;
    SvgView* m_blank = nullptr;
    QAction* m_insert = nullptr;
    QAction* m_remove = nullptr;
};

} // namespace kantrix
