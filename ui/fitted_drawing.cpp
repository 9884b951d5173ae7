#include "fitted_drawing.h"

#include <QSvgRenderer>

#include <algorithm>

namespace kantrix {

double fittedScale(QSizeF viewBox, QSizeF room)
{
    if (viewBox.isEmpty() || room.isEmpty())
        return 0;
    return std::min(room.width() / viewBox.width(), room.height() / viewBox.height());
}

QByteArray fittedSvg(const DrawingAt& draw, QSizeF room, double textHeight)
{
    QSvgRenderer renderer;
    const auto scaleOf = [&](const QByteArray& svg) {
        return renderer.load(svg) ? fittedScale(renderer.viewBoxF().size(), room) : 0.0;
    };
    // The drawing's own texts give the first scale; from there each round asks for the height
    // that would come out right at the last round's scale. As the box grows with the texts, the
    // shown height approaches the wanted one from one side, so aiming a little above it ends
    // the rounds.
    QByteArray svg = QByteArray::fromStdString(draw(0));
    double scale = scaleOf(svg);
    if (!(scale > 0 && textHeight > 0))
        return svg;
    const double aim = 1.04 * textHeight;
    double asked = aim / scale;
    double shown = 0;
    for (int round = 0; round < 12; ++round) {
        QByteArray next = QByteArray::fromStdString(draw(asked));
        scale = scaleOf(next);
        if (!(scale > 0))
            break;
        const double height = asked * scale;
        // Growing by less than a hundredth: the room is too small for the texts wanted, and
        // larger ones would only crowd out the part.
        if (shown > 0 && shown < textHeight && height < 1.01 * shown)
            break;
        svg = std::move(next);
        shown = height;
        if (shown >= textHeight && shown <= 1.15 * textHeight)
            break;
        asked *= aim / shown;
    }
    return svg;
}

} // namespace kantrix
