#pragma once

// A drawing of the library written again for the room it is shown in. The library sizes its texts
// in drawing units, so a part of extreme proportions, scaled down to fit, would show them as
// specks; here the drawing is asked for with the text height that comes out at the height wanted
// in the room's units. As the drawing's margins grow with its texts, so does its box, and the
// scale falls: the height is found in a few rounds.

#include <QByteArray>
#include <QSizeF>

#include <functional>
#include <string>

namespace kantrix {

// The library's drawing with texts `textHeight` millimetres high, its own choice for 0.
using DrawingAt = std::function<std::string(double textHeight)>;

// The scale at which a drawing of `viewBox` fits `room` with its proportions kept.
double fittedScale(QSizeF viewBox, QSizeF room);

// The drawing whose texts, fitted into `room`, are at least `textHeight` high (in room's units)
// and not much more; where the room is too small for that, the one with the largest texts it
// allows. Exceptions of `draw` pass through.
QByteArray fittedSvg(const DrawingAt& draw, QSizeF room, double textHeight);

} // namespace kantrix
