#pragma once

// The bend sheet: one A4 portrait page that a shop can file with the order. Title and date, the
// sketch as vector graphics, the thirteen quantities with caption, value and unit as the window
// shows them (L and v set apart), the notes that apply, and a footer with program and version.
// It is drawn with QPainter, so the same page goes to a PDF file and to a printer, by the module
// of sheet_output.h.

#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace kantrix {

class BendForm;
class FieldSet;

struct BendSheet
{
    struct Row
    {
        int frame = 0; // index into form::frames
        QString caption;
        QString text;
        QString unit;
        bool keyResult = false; // L and v
        QColor background;      // of a key result: the colour its field shows
        bool groupStart = false;
    };

    QDateTime made;
    std::vector<Row> rows;
    QStringList notes;
};

// The sheet of the bend the window shows now.
BendSheet bendSheetOf(const BendForm& form, const FieldSet& fields, const QDateTime& made);

// "Kantrix 1.00"
inline QString programNameAndVersion()
{
    return QStringLiteral("Kantrix " KANTRIX_VERSION);
}

} // namespace kantrix
