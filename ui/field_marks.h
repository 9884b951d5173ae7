#pragma once

// How a typed field of the profile window and its dialogs is made and marked: its caption, unit
// and spoken name from one description, the colour of a refused value (the table's cells use the
// same) and the refusal read out as the field's description.

#include <QColor>

class QLineEdit;
class QString;
class QWidget;

namespace kantrix {

inline constexpr QColor refusedBase{255, 205, 205};
// The text of a message that refuses a value.
inline constexpr QColor refusedText{170, 0, 0};
// A leg shorter than the least flange: warned of, not refused.
inline constexpr QColor warnedBase{255, 232, 140};

struct FieldText
{
    const char* name;
    const char* caption;
    const char* unit;
    const char* spokenUnit; // the unit as a screen reader says it
    const char* toolTip;    // or none
};

// A right-aligned line edit named "caption, spoken unit" for assistive tools, whose text, where
// it is too wide and not being typed, shows its start (start_shown.h).
QLineEdit* makeField(const FieldText& text, QWidget* parent);

// Shows a refused value on the refusal colour, with `why` as the field's description; a field
// that shows a value instead of taking one sits on the window's grey.
void markField(QLineEdit* field, bool refused, const QString& why);

} // namespace kantrix
