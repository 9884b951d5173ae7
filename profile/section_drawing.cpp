#include "section_drawing.h"

#include "number_text.h"
#include "svg_writer.h"

#include <algorithm>
#include <cmath>
#include <vector>

// The sheet is laid out along its middle fibre: leg 1 from the origin to the right, each straight
// part as long as the calculation left it, each bend an arc of radius r + s/2 around a centre on
// the side it turns to (left for plus). The two surfaces lie s/2 to either side; at a bend the
// one on the centre's side is the inner (radius r), the other the outer (r + s). Geometry is
// worked out with y upwards and turned over only where it is written.
//
// A leg's measure runs between the points it was given to: a free end, or at a bend the virtual
// sharp of the outer (aussen) or inner (innen) surfaces. For beta up to 90 degrees, as DIN 6935
// measures it, that is the tangent to the arc square to the leg, r + s (or r) past the end of the
// straight part; above 90 degrees the intersection of the surfaces, (r + s) t (or r t) past it.
// Outer measures stand outside the part beside the leg, where nothing crosses them; inner ones a
// little inside the leg. Measures that face the same way and would overlap are moved out one step
// each.

namespace kantrix::profile {

namespace {

constexpr double pi = 3.14159265358979323846;

constexpr const char* outlineColour = "#101010";
constexpr const char* fillColour = "rgb(228,246,244)";
constexpr const char* measureColour = "rgb(4,130,132)";
constexpr const char* bendColour = "rgb(76,78,244)";

struct Vec
{
    double x = 0;
    double y = 0;
};

Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y};
}
Vec operator-(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y};
}
Vec operator*(Vec a, double k)
{
    return {a.x * k, a.y * k};
}
double dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y;
}
Vec leftOf(Vec d)
{
    return {-d.y, d.x};
}
Vec rotated(Vec v, double radians)
{
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}
svg::Point onPaper(Vec v)
{
    return {v.x, -v.y};
}

struct LegLine
{
    Vec start; // of the straight part on the middle fibre
    Vec end;
    Vec d; // along the leg, from leg 1 towards the last
    Vec n; // to its left
    double angle = 0;
};

struct BendArc
{
    Vec centre;
    int turn = 1;       // +1 counter-clockwise (plus), -1 clockwise
    double inner = 0;   // r
    double outer = 0;   // r + s
    double alpha = 0;   // radians
    double factor = 1;  // t: the setback over r + s
    bool sharp = false; // measured to the intersection of the surfaces (beta above 90)
};

// One end of a leg's measure: the point it is given to, and the point of the outline that an
// extension line starts from.
struct MeasureEnd
{
    Vec point;
    Vec contact;
    int side = 1; // the surface, +1 left of the leg
    bool atBend = false;
    std::size_t bend = 0;
};

struct PlacedMeasure
{
    Vec normal;
    double across = 0;
    double from = 0;
    double to = 0;
};

class SectionDrawing
{
public:
    SectionDrawing(const Profile& profile, const ProfileResult& result, double textHeight)
        : m_profile(profile), m_result(result), m_s(profile.thickness)
    {
        layOut();
        outlinePoints();
        double left = m_outline[0].x, right = left, bottom = m_outline[0].y, top = bottom;
        for (Vec p : m_outline) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            bottom = std::min(bottom, p.y);
            top = std::max(top, p.y);
        }
        // The text's height: a thirtieth of the part, less where its shortest leg would drown.
        double shortest = m_profile.legs[0].length;
        for (const Leg& leg : m_profile.legs)
            shortest = std::min(shortest, leg.length);
        m_u = textHeight > 0 ? textHeight
                             : std::min(std::max(right - left, top - bottom) / 30, 0.3 * shortest);
        m_sharpDrawn.assign(2 * m_bends.size(), false);
    }

    std::string svg()
    {
        svg::Writer out;
        out.title("Profil im Schnitt: " + std::to_string(m_legs.size()) + " Schenkel, " +
                  std::to_string(m_bends.size()) +
                  (m_bends.size() == 1 ? " Biegung" : " Biegungen"));
        outline(out);
        for (std::size_t i = 0; i < m_legs.size(); ++i)
            measure(out, i);
        for (std::size_t i = 0; i < m_bends.size(); ++i)
            bendLabel(out, i);

        const svg::Box drawn = out.bounds();
        const double margin = 0.8 * m_u;
        const svg::Box view{drawn.left - margin, drawn.top - margin, drawn.right + margin,
                            drawn.bottom + margin};
        // About 16 pixels to the text's height, whatever the part's size.
        const double pixels = 16 / m_u;
        std::string width;
        svg::appendWhole(width, (view.right - view.left) * pixels);
        std::string height;
        svg::appendWhole(height, (view.bottom - view.top) * pixels);
        return out.finish(view, width, height);
    }

private:
    void layOut()
    {
        const std::size_t legCount = m_profile.legs.size();
        m_legs.resize(legCount);
        m_bends.resize(legCount - 1);
        Vec position;
        double angle = 0;
        for (std::size_t i = 0; i < legCount; ++i) {
            LegLine& leg = m_legs[i];
            leg.angle = angle;
            leg.d = {std::cos(angle), std::sin(angle)};
            leg.n = leftOf(leg.d);
            leg.start = position;
            position = position + leg.d * m_result.legs[i].straight;
            leg.end = position;
            if (i + 1 == legCount)
                break;
            const BendResult& result = m_result.bends[i];
            BendArc& bend = m_bends[i];
            bend.turn = result.direction == Direction::Plus ? 1 : -1;
            bend.inner = result.radius;
            bend.outer = result.radius + m_s;
            bend.alpha = result.alpha * pi / 180;
            bend.factor = result.setback / bend.outer;
            bend.sharp = result.beta > 90;
            const double middle = result.radius + m_s / 2;
            bend.centre = position + leg.n * (bend.turn * middle);
            angle += bend.turn * bend.alpha;
            position =
                bend.centre - leftOf({std::cos(angle), std::sin(angle)}) * (bend.turn * middle);
        }
    }

    Vec surface(Vec onFibre, std::size_t leg, int side) const
    {
        return onFibre + m_legs[leg].n * (side * m_s / 2);
    }

    double radiusOn(std::size_t bend, int side) const
    {
        return side == m_bends[bend].turn ? m_bends[bend].inner : m_bends[bend].outer;
    }

    // The outline's corners and points along its arcs, for the extent of the part.
    void outlinePoints()
    {
        constexpr int steps = 8;
        for (int side : {1, -1})
            for (std::size_t i = 0; i < m_legs.size(); ++i) {
                m_outline.push_back(surface(m_legs[i].start, i, side));
                m_outline.push_back(surface(m_legs[i].end, i, side));
                if (i + 1 == m_legs.size())
                    continue;
                const BendArc& bend = m_bends[i];
                const double step = bend.turn * bend.alpha / steps;
                const double c = std::cos(step);
                const double s = std::sin(step);
                Vec radial = surface(m_legs[i].end, i, side) - bend.centre;
                for (int k = 1; k < steps; ++k) {
                    radial = {radial.x * c - radial.y * s, radial.x * s + radial.y * c};
                    m_outline.push_back(bend.centre + radial);
                }
            }
    }

    void outline(svg::Writer& out) const
    {
        std::string d;
        d.reserve(64 * m_legs.size());
        const auto moveOrLine = [&d](char command, Vec p) {
            d += command;
            svg::appendPoint(d, onPaper(p));
            d += ' ';
        };
        const auto arc = [&d](double radius, bool clockwiseOnPaper, Vec p) {
            d += 'A';
            svg::appendNumber(d, radius);
            d += ',';
            svg::appendNumber(d, radius);
            d += clockwiseOnPaper ? " 0 0 1 " : " 0 0 0 ";
            svg::appendPoint(d, onPaper(p));
            d += ' ';
        };
        // Along the left surface to the last leg's end, across it, back along the right one.
        const std::size_t last = m_legs.size() - 1;
        moveOrLine('M', surface(m_legs[0].start, 0, 1));
        for (std::size_t i = 0; i <= last; ++i) {
            moveOrLine('L', surface(m_legs[i].end, i, 1));
            if (i < last)
                arc(radiusOn(i, 1), m_bends[i].turn < 0, surface(m_legs[i + 1].start, i + 1, 1));
        }
        moveOrLine('L', surface(m_legs[last].end, last, -1));
        for (std::size_t i = last + 1; i-- > 0;) {
            moveOrLine('L', surface(m_legs[i].start, i, -1));
            if (i > 0)
                arc(radiusOn(i - 1, -1), m_bends[i - 1].turn > 0,
                    surface(m_legs[i - 1].end, i - 1, -1));
        }
        d += 'Z';
        out.path(d, fillColour, outlineColour, std::min(0.08 * m_u, m_s / 3));
        for (Vec p : m_outline)
            out.include(onPaper(p));
    }

    // The side a leg's measure belongs on at a bend: outside or inside of it.
    int measureSide(std::size_t leg, std::size_t bend) const
    {
        const bool inner = m_profile.legs[leg].measure == Measure::Innen;
        return inner ? m_bends[bend].turn : -m_bends[bend].turn;
    }

    // How far the part reaches beyond the leg's middle fibre towards `normal`, beside the leg
    // and its measure only: a part with many bends gets its measures near their legs.
    double extent(std::size_t leg, Vec normal) const
    {
        const LegLine& line = m_legs[leg];
        const double before = (leg > 0 ? m_result.bends[leg - 1].setback : 0) + 2 * m_u;
        const double after = m_result.legs[leg].straight +
                             (leg < m_bends.size() ? m_result.bends[leg].setback : 0) + 2 * m_u;
        double reach = 0;
        for (Vec p : m_outline) {
            const double along = dot(p - line.start, line.d);
            if (along >= -before && along <= after)
                reach = std::max(reach, dot(p - line.start, normal));
        }
        return reach;
    }

    MeasureEnd endAt(std::size_t leg, bool atLegEnd, int dimensionSide) const
    {
        const LegLine& line = m_legs[leg];
        const Vec onFibre = atLegEnd ? line.end : line.start;
        const bool free = atLegEnd ? leg + 1 == m_legs.size() : leg == 0;
        if (free) {
            const Vec p = surface(onFibre, leg, dimensionSide);
            return {p, p, dimensionSide, false, 0};
        }
        const std::size_t bendIndex = atLegEnd ? leg : leg - 1;
        const BendArc& bend = m_bends[bendIndex];
        const int side = measureSide(leg, bendIndex);
        const double radius = radiusOn(bendIndex, side);
        const Vec outwards = atLegEnd ? line.d : line.d * -1;
        const Vec point = surface(onFibre, leg, side) + outwards * (radius * bend.factor);
        const Vec contact = bend.sharp ? point : bend.centre + outwards * radius;
        return {point, contact, side, true, bendIndex};
    }

    // The two surface lines drawn on to their intersection, once for each bend and surface.
    void sharpLines(svg::Writer& out, const MeasureEnd& end)
    {
        if (!end.atBend || !m_bends[end.bend].sharp)
            return;
        const std::size_t slot = 2 * end.bend + (end.side > 0 ? 1 : 0);
        if (m_sharpDrawn[slot])
            return;
        m_sharpDrawn[slot] = true;
        const std::size_t b = end.bend;
        const double width = 0.035 * m_u;
        out.line(onPaper(surface(m_legs[b].end, b, end.side)), onPaper(end.point), measureColour,
                 width);
        out.line(onPaper(surface(m_legs[b + 1].start, b + 1, end.side)), onPaper(end.point),
                 measureColour, width);
    }

    void measure(svg::Writer& out, std::size_t i)
    {
        const LegLine& leg = m_legs[i];
        const std::size_t bendCount = m_bends.size();
        const bool inner = m_profile.legs[i].measure == Measure::Innen;

        int side = i > 0 ? measureSide(i, i - 1) : measureSide(i, i);
        double reach = -1; // of the part towards the measure's side, where it is needed
        if (i > 0 && i < bendCount && measureSide(i, i - 1) != measureSide(i, i)) {
            const double left = extent(i, leg.n);
            const double right = extent(i, leg.n * -1);
            side = right < left ? -1 : 1;
            reach = std::min(left, right);
        }
        const Vec normal = leg.n * side;

        const MeasureEnd ends[2] = {endAt(i, false, side), endAt(i, true, side)};
        const auto along = [&](Vec p) { return dot(p - leg.start, leg.d); };
        const auto across = [&](Vec p) { return dot(p - leg.start, normal); };
        const auto at = [&](double a, double c) { return leg.start + leg.d * a + normal * c; };

        std::string text = FormatNumber(m_profile.legs[i].length, threeDecimals);
        if (inner)
            text += " innen";
        const double a1 = along(ends[0].point);
        const double a2 = along(ends[1].point);
        const double middle = (a1 + a2) / 2;
        const double half = std::max(std::abs(a2 - a1), svg::textLength(text, m_u)) / 2;

        const double step = 1.6 * m_u;
        if (!inner && reach < 0)
            reach = extent(i, normal);
        double line = (inner ? m_s / 2 : reach) + 1.5 * m_u;
        const Vec origin = leg.start;
        const double base = dot(origin, normal);
        const double from = dot(origin, leg.d) + middle - half - 0.5 * m_u;
        const double to = dot(origin, leg.d) + middle + half + 0.5 * m_u;
        for (bool moved = true; moved;) {
            moved = false;
            for (const PlacedMeasure& placed : m_placed)
                if (dot(placed.normal, normal) > 0.9999 && placed.from < to && from < placed.to &&
                    std::abs(placed.across - (base + line)) < step - 1e-9 * m_u) {
                    line += step;
                    moved = true;
                }
        }
        m_placed.push_back({normal, base + line, from, to});

        for (const MeasureEnd& end : ends) {
            sharpLines(out, end);
            const double a = along(end.point);
            const double contact = across(end.contact);
            const double start = contact < line ? contact : across(end.point);
            out.line(onPaper(at(a, start)), onPaper(at(a, line + 0.4 * m_u)), measureColour,
                     0.035 * m_u);
        }
        out.dimensionLine(onPaper(at(a1, line)), onPaper(at(a2, line)), measureColour, m_u);

        // Readable from below or from the right; the text stands on the far side of its line.
        double angle = -leg.angle * 180 / pi;
        angle = std::remainder(angle, 360.0);
        if (angle > 89.9999)
            angle -= 180;
        else if (angle < -90.0001)
            angle += 180;
        const double radians = angle * pi / 180;
        const Vec up{std::sin(radians), std::cos(radians)}; // the text's up, y upwards
        const double offset = dot(up, normal) >= 0 ? 0.3 * m_u : 0.3 * m_u + 0.72 * m_u;
        out.text(onPaper(at(middle, line + offset)), angle, "middle", m_u, measureColour, text);
    }

    // Outside the bend on its bisector, beyond the measures that run past its corner: opening
    // angle and inside radius.
    void bendLabel(svg::Writer& out, std::size_t i) const
    {
        const BendArc& bend = m_bends[i];
        const Vec radial = m_legs[i].n * -bend.turn;
        const Vec outwards = rotated(radial, bend.turn * bend.alpha / 2);
        const Vec anchor = bend.centre + outwards * (bend.outer + 2.2 * m_u);
        const svg::Point paper = onPaper(anchor);
        const Vec direction{outwards.x, -outwards.y};
        const char* textAnchor = direction.x > 0.35    ? "start"
                                 : direction.x < -0.35 ? "end"
                                                       : "middle";
        double y = paper.y;
        if (direction.y > 0.35)
            y += 0.72 * m_u;
        else if (direction.y >= -0.35)
            y += 0.36 * m_u;
        const std::string text = FormatNumber(m_result.bends[i].beta, twoDecimals) + "° r " +
                                 FormatNumber(m_result.bends[i].radius, twoDecimals);
        out.text({paper.x, y}, 0, textAnchor, m_u, bendColour, text);
    }

    const Profile& m_profile;
    const ProfileResult& m_result;
    double m_s;
    double m_u = 1;
    std::vector<LegLine> m_legs;
    std::vector<BendArc> m_bends;
    std::vector<Vec> m_outline;
    std::vector<PlacedMeasure> m_placed;
    std::vector<bool> m_sharpDrawn;
};

} // namespace

std::string drawSection(const Profile& profile, const ProfileResult& result, double textHeight)
{
    SectionDrawing drawing(profile, result, textHeight);
    return drawing.svg();
}

} // namespace kantrix::profile
