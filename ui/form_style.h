#pragma once

// The look of the window: classic three-dimensional controls on button-face grey, with the face
// and colours of the form's description.

#include "form_description.h"

#include <QColor>
#include <QFont>

class QApplication;

namespace kantrix::style {

inline QColor toQColor(OleColor colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

inline const QColor formBackground = toQColor(form::formBackColor);
inline const QColor buttonFace = toQColor(form::buttonFaceColor);
inline const QColor captionText = toQColor(form::textColor);
inline const QColor fieldBackground = toQColor(form::fieldBackColor);

QFont formFont(bool bold = false);

// Sets the style, palette and font on the whole application; call before creating the window.
void applyFormStyle(QApplication& application);

} // namespace kantrix::style
