#pragma once

// The form's description in Qt's terms: its twips as rectangles of Qt's device-independent
// pixels, one pixel for 15 twips.

#include "form_description.h"

#include <QRect>

namespace kantrix::layout {

using form::pixels;

constexpr QRect pixelRect(const form::TwipRect& twips)
{
    return QRect(pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height));
}

} // namespace kantrix::layout
