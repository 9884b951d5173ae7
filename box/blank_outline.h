#pragma once

// The geometry of a box's blank: a union of rectangles that meet only along their edges, less
// circles. Its area is exact (a circle's part in a rectangle in closed form, not a polygon's),
// and its outline is one closed polyline whose arcs are arcs (bulges, as DXF writes them).

#include <vector>

namespace kantrix::box {

struct Rect
{
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
};

struct Circle
{
    double x = 0;
    double y = 0;
    double radius = 0;
};

// A corner of the outline and the way to the next: straight (bulge 0) or an arc whose bulge is
// tan(angle / 4), negative where it turns clockwise, as DXF's POLYLINE vertices give it.
struct OutlineVertex
{
    double x = 0;
    double y = 0;
    double bulge = 0;
};

// The area of the rectangles (which must not overlap) less that of the circles within them
// (which must not overlap each other).
double blankArea(const std::vector<Rect>& pieces, const std::vector<Circle>& holes);

// The outline counter-clockwise, from its lowest leftmost corner. The rectangles must form one
// piece without holes; a circle touching an edge leaves it whole.
std::vector<OutlineVertex> blankOutline(const std::vector<Rect>& pieces,
                                        const std::vector<Circle>& holes);

// The area an outline encloses, its arcs taken as arcs: for the tests and the drawings' titles.
double outlineArea(const std::vector<OutlineVertex>& outline);

} // namespace kantrix::box
