#pragma once

// How a face wants a drawing sized. The defaults give the drawing as the files have it; a window
// that shows a drawing scaled to fit asks for texts that come out readable at its scale.

namespace kantrix::profile {

struct DrawingOptions
{
    // The height of the texts in the drawing's unit, the millimetre; 0 lets the drawing choose
    // by the part's size. Offsets, arrowheads and line widths keep their proportion to it.
    double textHeight = 0;
};

} // namespace kantrix::profile
