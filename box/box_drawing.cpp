#include "box_drawing.h"

#include "box_answer.h"
#include "box_refusal.h"
#include "dxf_writer.h"
#include "number_text.h"
#include "svg_writer.h"

#include <algorithm>
#include <array>
#include <cmath>

// The same conventions as the profile's drawings: DXF R12 through the profile library's writer,
// SVG Tiny 1.2 with presentation attributes only, three decimals.

namespace kantrix::box {

namespace {

namespace svg = profile::svg;

// The profile's palette (profile_drawing.cpp): dark outline, pale fill, teal measures, blue bends.
constexpr const char* outlineColour = "#101010";
constexpr const char* fillColour = "rgb(228,246,244)";
constexpr const char* measureColour = "rgb(4,130,132)";
constexpr const char* bendColour = "rgb(76,78,244)";
constexpr const char* wallColour = "rgb(196,230,228)";

bool isAlongX(Side side)
{
    return side == Side::Vorne || side == Side::Hinten;
}

// A drawing whose numbers leave the range of a double names the box's length as the cause.
template <typename Draw> std::string drawnInRange(Draw draw)
{
    try {
        return draw();
    } catch (const svg::NumberOutOfRange& outOfRange) {
        throw BoxRefusal(BoxItem::Length, 0, outOfRange.what());
    }
}

std::string drawBlankDxf(const BoxResult& result)
{
    const double length = result.blankLength();
    const double width = result.blankWidth();
    const std::vector<OutlineVertex> outline = blankOutline(result.pieces, result.reliefs);
    profile::DxfWriter dxf;
    profile::writeHeader(dxf, length, width);
    profile::writeTables(dxf, length, width);
    dxf.beginSection("BLOCKS");
    dxf.endSection();
    dxf.beginSection("ENTITIES");
    dxf.text(0, "POLYLINE");
    dxf.text(8, profile::contourLayer);
    dxf.integer(66, 1);
    dxf.point(10, 0, 0);
    dxf.integer(70, 1);
    for (const OutlineVertex& vertex : outline)
        dxf.vertex(profile::contourLayer, vertex.x, vertex.y, vertex.bulge);
    dxf.text(0, "SEQEND");
    dxf.text(8, profile::contourLayer);
    for (Side side : allSides)
        if (const std::optional<WallResult>& wall = result.wall(side)) {
            if (isAlongX(side))
                dxf.line(profile::bendUpLayer, wall->from, wall->bendLine, wall->to,
                         wall->bendLine);
            else
                dxf.line(profile::bendUpLayer, wall->bendLine, wall->from, wall->bendLine,
                         wall->to);
        }
    const double height = std::clamp(std::min(length, width) / 60, 2.5, 10.0);
    for (Side side : allSides)
        if (const std::optional<WallResult>& wall = result.wall(side)) {
            const Section& section = isAlongX(side) ? *result.y : *result.x;
            const profile::BendResult& bend = section.result.bends[wall->bend];
            const std::string text = profile::bendText(true, bend.alpha, bend.radius);
            // On the base's side of the line, read along it from near its start; the lines along
            // y start a little later, clear of the texts along x at the corner.
            if (isAlongX(side))
                dxf.text(profile::bendTextLayer, wall->from + height,
                         wall->bendLine + (side == Side::Vorne ? height / 2 : -1.5 * height),
                         height, 0, text);
            else
                dxf.text(profile::bendTextLayer,
                         wall->bendLine + (side == Side::Links ? 1.5 * height : -height / 2),
                         wall->from + 3 * height, height, 90, text);
        }
    dxf.endSection();
    dxf.text(0, "EOF");
    return dxf.take();
}

// The outline as SVG path data, y turned downwards from `top`.
std::string outlinePath(const std::vector<OutlineVertex>& outline, double left, double top)
{
    std::string d;
    for (std::size_t k = 0, n = outline.size(); k < n; ++k) {
        const OutlineVertex& a = outline[k];
        const OutlineVertex& b = outline[(k + 1) % n];
        if (k == 0) {
            d += 'M';
            svg::appendPoint(d, {left + a.x, top - a.y});
        }
        if (a.bulge == 0) {
            d += 'L';
        } else {
            const double angle = 4 * std::atan(std::fabs(a.bulge));
            const double radius = std::hypot(b.x - a.x, b.y - a.y) / (2 * std::sin(angle / 2));
            d += 'A';
            svg::appendNumber(d, radius);
            d += ' ';
            svg::appendNumber(d, radius);
            // Clockwise on the blank is counter-clockwise once y points down.
            d += angle > std::acos(-1.0) ? " 0 1 " : " 0 0 ";
            d += a.bulge > 0 ? "1 " : "0 ";
        }
        svg::appendPoint(d, {left + b.x, top - b.y});
    }
    d += 'Z';
    return d;
}

std::string drawBlankSvg(const BoxResult& result, double textHeight)
{
    const double length = result.blankLength();
    const double width = result.blankWidth();
    const double u = textHeight > 0 ? textHeight : std::max(3.5, std::max(length, width) / 80);
    const double margin = 3 * u;
    const double left = margin;
    const double top = margin + width; // y of the blank's front edge
    svg::Writer out;
    const std::string lengthText = FormatNumber(length, threeDecimals);
    const std::string widthText = FormatNumber(width, threeDecimals);
    out.title("Zuschnitt " + lengthText + " × " + widthText + " mm, Fläche " +
              FormatNumber(result.area, "# ##0.0") + " mm²");
    const std::vector<OutlineVertex> outline = blankOutline(result.pieces, result.reliefs);
    for (const OutlineVertex& vertex : outline)
        out.include({left + vertex.x, top - vertex.y});
    out.path(outlinePath(outline, left, top), fillColour, outlineColour, 0.1 * u);
    const std::string dash = svg::dashes({2 * u, 0.7 * u});
    for (Side side : allSides) {
        const std::optional<WallResult>& wall = result.wall(side);
        if (!wall)
            continue;
        const std::string label = FormatNumber(wall->bendLine, threeDecimals);
        if (isAlongX(side)) {
            const double y = top - wall->bendLine;
            out.line({left + wall->from, y}, {left + wall->to, y}, bendColour, 0.07 * u, dash);
            out.text({left + (wall->from + wall->to) / 2, y - 0.4 * u}, 0, "middle", u, bendColour,
                     label);
        } else {
            const double x = left + wall->bendLine;
            out.line({x, top - wall->from}, {x, top - wall->to}, bendColour, 0.07 * u, dash);
            out.text({x - 0.4 * u, top - (wall->from + wall->to) / 2}, -90, "middle", u, bendColour,
                     label);
        }
    }
    // The size under the blank and to its right.
    const double yDimension = top + 1.8 * u;
    out.dimensionLine({left, yDimension}, {left + length, yDimension}, measureColour, u);
    out.text({left + length / 2, yDimension - 0.4 * u}, 0, "middle", u, measureColour, lengthText);
    const double xDimension = left + length + 1.8 * u;
    out.dimensionLine({xDimension, top}, {xDimension, top - width}, measureColour, u);
    out.text({xDimension - 0.4 * u, top - width / 2}, -90, "middle", u, measureColour, widthText);
    const double pictureWidth = left + length + margin;
    const double pictureHeight = top + margin;
    std::string w;
    svg::appendNumber(w, pictureWidth);
    std::string h;
    svg::appendNumber(h, pictureHeight);
    return out.finish({0, 0, pictureWidth, pictureHeight}, w + "mm", h + "mm");
}

struct Slab
{
    double x0, x1, y0, y1, z0, z1;
    const char* fill;
};

// Seen from (-1, -1, 1): a larger x or y lies farther away, a larger z nearer.
bool behind(const Slab& a, const Slab& b)
{
    return a.x0 >= b.x1 || a.y0 >= b.y1 || a.z1 <= b.z0;
}

svg::Point projected(double x, double y, double z, double scale)
{
    return {(x - y) * std::sqrt(0.5) * scale, -(x + y + 2 * z) / std::sqrt(6.0) * scale};
}

std::string drawFolded(const Box& box, const BoxResult& result, double textHeight)
{
    const double s = box.thickness;
    const double a = result.outerLength;
    const double b = result.outerWidth;
    const double notch = box.radius + s;
    std::vector<Slab> slabs;
    for (Side side : allSides) {
        const std::optional<WallResult>& wall = result.wall(side);
        if (!wall)
            continue;
        const double h = wall->outer;
        const double from = wall->setback[0];
        const double to = (isAlongX(side) ? a : b) - wall->setback[1];
        switch (side) {
        case Side::Vorne:
            slabs.push_back({from, to, 0, s, 0, h, wallColour});
            break;
        case Side::Hinten:
            slabs.push_back({from, to, b - s, b, 0, h, wallColour});
            break;
        case Side::Links:
            slabs.push_back({0, s, from, to, 0, h, wallColour});
            break;
        case Side::Rechts:
            slabs.push_back({a - s, a, from, to, 0, h, wallColour});
            break;
        }
    }
    // The base stands back from a side with a wall by the bend's r + s, where the wall takes over.
    const double x0 = box.wall(Side::Links) ? notch : 0;
    const double x1 = box.wall(Side::Rechts) ? a - notch : a;
    const double y0 = box.wall(Side::Vorne) ? notch : 0;
    const double y1 = box.wall(Side::Hinten) ? b - notch : b;
    std::vector<Slab> base = {{x0, x1, 0, b, 0, s, fillColour}};
    if (x0 > 0)
        base.push_back({0, x0, y0, y1, 0, s, fillColour});
    if (x1 < a)
        base.push_back({x1, a, y0, y1, 0, s, fillColour});
    slabs.insert(slabs.begin(), base.begin(), base.end());

    const double scale = 1;
    const double u = textHeight > 0 ? textHeight : std::max(3.5, std::max({a, b}) / 80);
    svg::Writer out;
    out.title(boxBaseName(box) + " gefaltet");
    // Far slabs first: each one drawn is behind none of those still to come.
    std::vector<bool> drawn(slabs.size(), false);
    for (std::size_t round = 0; round < slabs.size(); ++round) {
        std::size_t pick = 0;
        for (std::size_t i = 0; i < slabs.size(); ++i) {
            if (drawn[i])
                continue;
            bool blocked = false;
            for (std::size_t j = 0; j < slabs.size(); ++j)
                blocked = blocked || (!drawn[j] && j != i && behind(slabs[j], slabs[i]) &&
                                      !behind(slabs[i], slabs[j]));
            pick = i;
            if (!blocked)
                break;
        }
        drawn[pick] = true;
        const Slab& c = slabs[pick];
        // The faces that look towards the viewer: x = x0, y = y0, z = z1.
        const std::array<std::array<std::array<double, 3>, 4>, 3> faces = {{
            {{{c.x0, c.y0, c.z0}, {c.x0, c.y1, c.z0}, {c.x0, c.y1, c.z1}, {c.x0, c.y0, c.z1}}},
            {{{c.x0, c.y0, c.z0}, {c.x1, c.y0, c.z0}, {c.x1, c.y0, c.z1}, {c.x0, c.y0, c.z1}}},
            {{{c.x0, c.y0, c.z1}, {c.x1, c.y0, c.z1}, {c.x1, c.y1, c.z1}, {c.x0, c.y1, c.z1}}},
        }};
        for (const auto& face : faces) {
            std::string d;
            for (std::size_t k = 0; k < face.size(); ++k) {
                const svg::Point p = projected(face[k][0], face[k][1], face[k][2], scale);
                out.include(p);
                d += k == 0 ? 'M' : 'L';
                svg::appendPoint(d, p);
            }
            d += 'Z';
            out.path(d, c.fill, outlineColour, 0.08 * u);
        }
    }
    const svg::Box bounds = out.bounds();
    const double margin = 2 * u;
    const svg::Box view{bounds.left - margin, bounds.top - margin, bounds.right + margin,
                        bounds.bottom + margin};
    std::string w;
    svg::appendNumber(w, view.right - view.left);
    std::string h;
    svg::appendNumber(h, view.bottom - view.top);
    return out.finish(view, w + "mm", h + "mm");
}

} // namespace

std::string blankDxf(const Box&, const BoxResult& result)
{
    return drawnInRange([&] { return drawBlankDxf(result); });
}

std::string blankSvg(const Box& box, const BoxResult& result)
{
    return blankSvg(box, result, {});
}

std::string blankSvg(const Box&, const BoxResult& result, const profile::DrawingOptions& options)
{
    return drawnInRange([&] { return drawBlankSvg(result, options.textHeight); });
}

std::string foldedSvg(const Box& box, const BoxResult& result)
{
    return foldedSvg(box, result, {});
}

std::string foldedSvg(const Box& box, const BoxResult& result,
                      const profile::DrawingOptions& options)
{
    return drawnInRange([&] { return drawFolded(box, result, options.textHeight); });
}

} // namespace kantrix::box
