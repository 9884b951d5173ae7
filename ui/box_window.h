#pragma once

// A box window: s, r, A and B in fields, the four walls in a table over the window's BoxModel,
// the corners and the relief, the press brake's group, the results beside them and the library's
// two drawings below (the blank with its bend lines and the folded box). Every change is on the
// model's undo stack, whose clean state is the saved file. The files, the export, the box sheet
// and the copy of the answer are in box_window_files.cpp.

#include "box_model.h"
#include "part_window.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace kantrix {

struct BoxWindows;
class BoxResults;
class SvgView;

class BoxWindow : public PartWindow
{
    Q_OBJECT

public:
    using Draft = BoxDraft;

    explicit BoxWindow(const BoxDraft& draft = BoxDraft::empty(), const QString& path = {});

    // Reads a .kkasten file into a new window, shown; nullptr after telling the user, over
    // `parent`, why the file is refused.
    static BoxWindow* openFile(const QString& path, QWidget* parent);
    static const BoxWindows& waysIn();
    static void openNew();

    BoxModel* model() const { return m_model; }
    // The text field of a value; for the die, the line of its combo box.
    QLineEdit* field(BoxCommon which) const { return m_fields[static_cast<int>(which)]; }
    QComboBox* lengthMeasureBox() const { return m_lengthMeasure; }
    QComboBox* widthMeasureBox() const { return m_widthMeasure; }
    QComboBox* cornersBox() const { return m_corners; }
    QComboBox* throughBox() const { return m_through; }
    QComboBox* reliefBox() const { return m_relief; }
    QLabel* message() const { return m_message; }
    BoxResults* results() const { return m_results; }
    SvgView* blank() const { return m_blank; }
    SvgView* folded() const { return m_folded; }

    void exportFile();
    void print();
    void copyAnswer();
    void showHelp();
    void openTestBend();
    void updateMaterial();
    void reloadMaterials();

    enum class Export
    {
        BlankDxf,
        BlankSvg,
        FoldedSvg,
        SheetPdf,
    };
    static QStringList exportFilters();
    // The kind a name and the selected filter give: .dxf and .pdf decide by themselves.
    static Export exportKind(const QString& path, const QString& filter);
    bool exportTo(const QString& path, Export kind);

private:
    void buildActions();
    QWidget* buildEditor();
    QWidget* buildDrawings();
    QLineEdit* addField(BoxCommon which, QWidget* parent);
    QComboBox* addChoice(const char* name, const QString& spoken, const QStringList& words,
                         QWidget* parent);

    void commitEntry() override;
    void showDraft();
    bool requireResult(const QString& what) override;
    QString partName() const override;
    const PartFileWords& words() const override;
    QUndoStack* undoStack() const override;
    QByteArray fileBytes() const override;

    BoxModel* m_model;
    QLineEdit* m_fields[boxCommonCount] = {};
    QComboBox* m_lengthMeasure = nullptr;
    QComboBox* m_widthMeasure = nullptr;
    QComboBox* m_corners = nullptr;
    QComboBox* m_through = nullptr;
    QComboBox* m_relief = nullptr;
    QLabel* m_message = nullptr;
    BoxResults* m_results = nullptr;
    SvgView* m_blank = nullptr;
    SvgView* m_folded = nullptr;
};

} // namespace kantrix
