#pragma once

// The look of the window: classic three-dimensional controls on button-face grey, dark blue text,
// and a narrow sans-serif face at 8.25 pt, which is 11 pixels at the 96 dots per inch the layout
// is measured in.

#include <QColor>
#include <QFont>

class QApplication;

namespace kantrix::style {

inline constexpr const char* faceFamily = "Liberation Sans Narrow";
inline constexpr int facePixelSize = 11;

inline const QColor formBackground{192, 192, 255}; // light blue, seen in the margins
inline const QColor buttonFace{240, 240, 240};     // frames, labels and pictures
inline const QColor captionText{0, 0, 192};        // dark blue: frame titles, labels, fields
inline const QColor fieldBackground{255, 255, 255};

QFont formFont(bool bold = false);

// Sets the style, palette and font on the whole application; call before creating the window.
void applyFormStyle(QApplication& application);

} // namespace kantrix::style
