#pragma once

// The dialog of a test bend ("Probebiegung…"): a strip of a material cut to L0, bent once and
// measured. While it is typed the library works it out (readTestBendOptions, as the command
// line's probebiegung) and the dialog shows the measured v and k beside DIN 6935's; a value the
// library refuses is marked at its field and named; an empty field is only named as still
// lacking. "Eintragen" adds the test bend to the user's materials file, written whole or not at
// all.

#include "press_refusal.h"
#include "user_materials.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kantrix {

class TestBendDialog : public QDialog
{
    Q_OBJECT

public:
    // The fields of the dialog, in their order.
    enum Field
    {
        Thickness,
        Die,
        Radius,
        Angle,
        SetAngle,
        CutLength,
        LegA,
        LegB,
        FieldCount
    };

    // Starts from the material, thickness and die of the profile it was opened over.
    TestBendDialog(const UserMaterials& materials, const QString& material,
                   const QString& thickness, const QString& die, QWidget* parent);

    QComboBox* material() const { return m_material; }
    QLineEdit* field(Field which) const { return m_fields[which]; }
    // The measured v and k, DIN 6935's k, v and length, the difference and the springback.
    QLabel* value(int row) const { return m_values[row]; }
    QLabel* message() const { return m_message; }
    QPushButton* enter() const { return m_enter; }

    // Adds the test bend to the user's materials file; false after saying why not.
    bool enterTestBend();

Q_SIGNALS:
    // The user's materials file was written.
    void materialsWritten();

private:
    void evaluate();
    // The caption of the empty field that `item` was refused for, or nothing.
    QString missingCaption(press::PressItem item) const;

    UserMaterials m_materials;
    QComboBox* m_material;
    QLineEdit* m_fields[FieldCount] = {};
    QLabel* m_values[7] = {};
    QLabel* m_message;
    QPushButton* m_enter;
};

} // namespace kantrix
