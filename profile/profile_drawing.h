#pragma once

// The drawings of a profile, written as text once here for every face: the flat blank as DXF for
// the laser and as SVG for people, and the section as SVG. The faces show this text as it is.

#include "drawing_options.h"
#include "dxf_writer.h"
#include "profile.h"
#include "profile_calculation.h"

#include <string>

namespace kantrix::profile {

// The flat blank as DXF R12 (AC1009, ASCII, millimetres): the outline (0,0)-(L,0)-(L,W)-(0,W) on
// KONTUR, one dashed line per bend from (x, 0) to (x, W) on the layer of its direction
// (BIEGUNG_AUF for Direction::Plus, BIEGUNG_AB for Minus), and after the lines one text per bend
// along its line on BIEGUNG_TEXT (bendText). Coordinates read back to the same doubles. Needs the
// width: ProfileRefusal without it.
std::string blankDxf(const Profile& profile, const ProfileResult& result);

// The flat blank as SVG, sized in millimetres: the outline, the dashed bend lines, each labelled
// with its position. Needs the width like the DXF. The SVGs without options are the files'.
std::string blankSvg(const Profile& profile, const ProfileResult& result);
std::string blankSvg(const Profile& profile, const ProfileResult& result,
                     const DrawingOptions& options);

// The section to scale with its thickness and bends, leg 1 to the right and a plus bend turning
// the next leg counter-clockwise; each leg dimensioned with the measure it was given, each bend
// with its angle and radius.
std::string sectionSvg(const Profile& profile, const ProfileResult& result);
std::string sectionSvg(const Profile& profile, const ProfileResult& result,
                       const DrawingOptions& options);

} // namespace kantrix::profile
