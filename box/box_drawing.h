#pragma once

// The drawings of a box, written as text once here for every face: the flat blank as DXF for the
// laser and as SVG for people, and the folded box as an isometric SVG.

#include "box.h"
#include "box_calculation.h"
#include "drawing_options.h"

#include <string>

namespace kantrix::box {

// The blank as DXF R12 in millimetres, on the profile's layers: the outline as one closed
// POLYLINE on KONTUR (a round relief as an arc of it, by its bulge), each wall's bend line on
// BIEGUNG_AUF, and beside each line a text of its way, angle and radius on BIEGUNG_TEXT.
std::string blankDxf(const Box& box, const BoxResult& result);

// The blank as SVG, sized in millimetres: the outline with its arcs, the dashed bend lines with
// their positions, and the blank's size. The SVGs without options are the files'.
std::string blankSvg(const Box& box, const BoxResult& result);
std::string blankSvg(const Box& box, const BoxResult& result,
                     const profile::DrawingOptions& options);

// The folded box seen from the front left and above (isometric): the base and the walls as
// slabs of the sheet's thickness, each ending where its set-back ends it, so that the corners
// and their gaps show.
std::string foldedSvg(const Box& box, const BoxResult& result);
std::string foldedSvg(const Box& box, const BoxResult& result,
                      const profile::DrawingOptions& options);

} // namespace kantrix::box
