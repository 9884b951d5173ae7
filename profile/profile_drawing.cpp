#include "profile_drawing.h"

#include "number_text.h"
#include "profile_refusal.h"
#include "section_drawing.h"
#include "svg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <stdexcept>

// The DXF is R12 (AC1009), the oldest version that every laser and punching CAM still reads,
// written without handles ($HANDLING absent): the tables R12 lists in their order, an empty
// BLOCKS section, the entities and EOF. Lines end in "\r\n", as AutoCAD writes them; ezdxf and
// LibreCAD read both, and Windows CAM software of that age expects it. Coordinates are written in
// the fewest digits that read back to the same double, as the .kprofil file writes its numbers.
//
// The SVGs keep to SVG Tiny 1.2 with presentation attributes only (no CSS), so that Qt's
// QSvgRenderer shows them as a browser does. Their numbers have three decimals, a micrometre.

namespace kantrix::profile {

namespace {

// The sketch's palette (assets/sketch.svg): a dark outline, teal measures, blue for the bend.
constexpr const char* outlineColour = "#101010";
constexpr const char* fillColour = "rgb(228,246,244)";
constexpr const char* measureColour = "rgb(4,130,132)";
constexpr const char* bendColour = "rgb(76,78,244)";
// A bend downwards needs a colour that stands apart from the upward blue.
constexpr const char* downColour = "rgb(196,64,32)";

void checkResult(const Profile& profile, const ProfileResult& result)
{
    checkProfile(profile);
    if (result.legs.size() != profile.legs.size() || result.bends.size() != profile.bends.size())
        throw std::invalid_argument("Das Ergebnis gehört nicht zu diesem Profil");
}

double blankWidth(const Profile& profile)
{
    if (!profile.width)
        throw ProfileRefusal(ProfileItem::Width, 0, "Für den Zuschnitt fehlt die Breite W");
    return *profile.width;
}

class DxfWriter
{
public:
    DxfWriter() { m_text.reserve(8192); }

    void text(int code, std::string_view value)
    {
        writeCode(code);
        m_text += value;
        m_text += "\r\n";
    }

    void integer(int code, int value) { text(code, std::to_string(value)); }

    void number(int code, double value)
    {
        if (!std::isfinite(value))
            throw svg::NumberOutOfRange();
        writeCode(code);
        // Whole millimetres as the JSON library writes them ("300.0"), without its cost.
        constexpr double exactIntegers = 9007199254740992.0; // 2^53
        if (value == std::trunc(value) && std::fabs(value) < exactIntegers &&
            !std::signbit(value)) {
            m_text += std::to_string(static_cast<std::int64_t>(value));
            m_text += ".0";
        } else {
            m_text += nlohmann::json(value).dump();
        }
        m_text += "\r\n";
    }

    // A point's x under `code`, y under code + 10 and z under code + 20.
    void point(int code, double x, double y)
    {
        number(code, x);
        number(code + 10, y);
        number(code + 20, 0.0);
    }

    void variable(const char* name) { text(9, name); }
    void beginSection(const char* name)
    {
        text(0, "SECTION");
        text(2, name);
    }
    void endSection() { text(0, "ENDSEC"); }
    void beginTable(const char* name, int entries)
    {
        text(0, "TABLE");
        text(2, name);
        integer(70, entries);
    }
    void endTable() { text(0, "ENDTAB"); }

    void line(const char* layer, double x1, double y1, double x2, double y2)
    {
        text(0, "LINE");
        text(8, layer);
        point(10, x1, y1);
        point(11, x2, y2);
    }

    std::string take() { return std::move(m_text); }

private:
    // Group codes right-aligned in three columns, as AutoCAD writes them.
    void writeCode(int code)
    {
        if (code < 10)
            m_text += "  ";
        else if (code < 100)
            m_text += ' ';
        m_text += std::to_string(code);
        m_text += "\r\n";
    }

    std::string m_text;
};

void writeHeader(DxfWriter& dxf, double length, double width)
{
    dxf.beginSection("HEADER");
    dxf.variable("$ACADVER");
    dxf.text(1, "AC1009");
    dxf.variable("$INSBASE");
    dxf.point(10, 0, 0);
    dxf.variable("$EXTMIN");
    dxf.point(10, 0, 0);
    dxf.variable("$EXTMAX");
    dxf.point(10, length, width);
    dxf.variable("$LIMMIN");
    dxf.number(10, 0);
    dxf.number(20, 0);
    dxf.variable("$LIMMAX");
    dxf.number(10, length);
    dxf.number(20, width);
    dxf.variable("$LTSCALE");
    dxf.number(40, 1);
    // Millimetres. R12 has no unit of its own; the readers of today take this variable from any
    // version.
    dxf.variable("$INSUNITS");
    dxf.integer(70, 4);
    dxf.endSection();
}

void writeViewport(DxfWriter& dxf, double length, double width)
{
    dxf.beginTable("VPORT", 1);
    dxf.text(0, "VPORT");
    dxf.text(2, "*ACTIVE");
    dxf.integer(70, 0);
    dxf.number(10, 0);
    dxf.number(20, 0);
    dxf.number(11, 1);
    dxf.number(21, 1);
    dxf.number(12, length / 2); // the view's centre: the whole blank
    dxf.number(22, width / 2);
    dxf.number(13, 0);
    dxf.number(23, 0);
    dxf.number(14, 10);
    dxf.number(24, 10);
    dxf.number(15, 10);
    dxf.number(25, 10);
    dxf.number(16, 0);
    dxf.number(26, 0);
    dxf.number(36, 1);
    dxf.number(17, 0);
    dxf.number(27, 0);
    dxf.number(37, 0);
    constexpr double aspect = 1.5;
    dxf.number(40, 1.1 * std::max(width, length / aspect));
    dxf.number(41, aspect);
    dxf.number(42, 50);
    dxf.number(43, 0);
    dxf.number(44, 0);
    dxf.number(50, 0);
    dxf.number(51, 0);
    dxf.integer(71, 0);
    dxf.integer(72, 100);
    dxf.integer(73, 1);
    dxf.integer(74, 3);
    dxf.integer(75, 0);
    dxf.integer(76, 0);
    dxf.integer(77, 0);
    dxf.integer(78, 0);
    dxf.endTable();
}

void writeLinetypes(DxfWriter& dxf)
{
    dxf.beginTable("LTYPE", 2);
    dxf.text(0, "LTYPE");
    dxf.text(2, "CONTINUOUS");
    dxf.integer(70, 0);
    dxf.text(3, "Solid line");
    dxf.integer(72, 65);
    dxf.integer(73, 0);
    dxf.number(40, 0);
    // The metric DASHED of the usual line-type files: 12.7 mm dash, 6.35 mm gap.
    dxf.text(0, "LTYPE");
    dxf.text(2, "DASHED");
    dxf.integer(70, 0);
    dxf.text(3, "Dashed __ __ __ __");
    dxf.integer(72, 65);
    dxf.integer(73, 2);
    dxf.number(40, 19.05);
    dxf.number(49, 12.7);
    dxf.number(49, -6.35);
    dxf.endTable();
}

void writeLayer(DxfWriter& dxf, const char* name, int colour, const char* linetype)
{
    dxf.text(0, "LAYER");
    dxf.text(2, name);
    dxf.integer(70, 0);
    dxf.integer(62, colour);
    dxf.text(6, linetype);
}

void writeTables(DxfWriter& dxf, double length, double width)
{
    dxf.beginSection("TABLES");
    writeViewport(dxf, length, width);
    writeLinetypes(dxf);
    dxf.beginTable("LAYER", 4);
    writeLayer(dxf, "0", 7, "CONTINUOUS");
    writeLayer(dxf, contourLayer, 7, "CONTINUOUS");
    // The colours of the blank's SVG: up blue, down red.
    writeLayer(dxf, bendUpLayer, 5, "DASHED");
    writeLayer(dxf, bendDownLayer, 1, "DASHED");
    dxf.endTable();
    dxf.beginTable("STYLE", 1);
    dxf.text(0, "STYLE");
    dxf.text(2, "STANDARD");
    dxf.integer(70, 0);
    dxf.number(40, 0);
    dxf.number(41, 1);
    dxf.number(50, 0);
    dxf.integer(71, 0);
    dxf.number(42, 2.5);
    dxf.text(3, "txt");
    dxf.text(4, "");
    dxf.endTable();
    dxf.beginTable("VIEW", 0);
    dxf.endTable();
    dxf.beginTable("UCS", 0);
    dxf.endTable();
    dxf.beginTable("APPID", 1);
    dxf.text(0, "APPID");
    dxf.text(2, "ACAD");
    dxf.integer(70, 0);
    dxf.endTable();
    dxf.beginTable("DIMSTYLE", 1);
    dxf.text(0, "DIMSTYLE");
    dxf.text(2, "STANDARD");
    dxf.integer(70, 0);
    dxf.endTable();
    dxf.endSection();
}

// The outline as one closed polyline, the contour a cutting program follows.
void writeOutline(DxfWriter& dxf, double length, double width)
{
    dxf.text(0, "POLYLINE");
    dxf.text(8, contourLayer);
    dxf.integer(66, 1);
    dxf.point(10, 0, 0);
    dxf.integer(70, 1);
    const double corners[4][2] = {{0, 0}, {length, 0}, {length, width}, {0, width}};
    for (const auto& corner : corners) {
        dxf.text(0, "VERTEX");
        dxf.text(8, contourLayer);
        dxf.point(10, corner[0], corner[1]);
    }
    dxf.text(0, "SEQEND");
    dxf.text(8, contourLayer);
}

std::string drawBlankDxf(const ProfileResult& result, double width)
{
    const double length = result.developedLength;

    DxfWriter dxf;
    writeHeader(dxf, length, width);
    writeTables(dxf, length, width);
    dxf.beginSection("BLOCKS");
    dxf.endSection();
    dxf.beginSection("ENTITIES");
    writeOutline(dxf, length, width);
    for (const BendResult& bend : result.bends)
        dxf.line(bend.direction == Direction::Plus ? bendUpLayer : bendDownLayer, bend.bendLine, 0,
                 bend.bendLine, width);
    dxf.endSection();
    dxf.text(0, "EOF");
    return dxf.take();
}

std::string drawBlankSvg(const ProfileResult& result, double width)
{
    const double length = result.developedLength;

    // The text is 3.5 mm high on a blank printed to scale and grows with a large blank, so that
    // it stays readable when a window shows the whole blank, but no more than the closest two
    // bend lines leave room for.
    double room = length;
    for (std::size_t i = 0; i + 1 < result.bends.size(); ++i)
        room = std::min(room, std::abs(result.bends[i + 1].bendLine - result.bends[i].bendLine));
    const double u = std::max(3.5, std::min(std::max(length, width) / 80, room / 0.9));
    const double gap = 0.4 * u;
    const double mark = 0.7 * u; // the triangle that says up or down

    std::vector<std::string> labels;
    labels.reserve(result.bends.size());
    double longest = 0;
    for (const BendResult& bend : result.bends) {
        labels.push_back(FormatNumber(bend.bendLine, threeDecimals));
        longest = std::max(longest, svg::textLength(labels.back(), u));
    }
    const std::string lengthText = FormatNumber(length, threeDecimals);
    const std::string widthText = FormatNumber(width, threeDecimals);

    // The blank's corner in the picture; the bend positions stand above it, the length below and
    // the width on the right.
    const double left = std::max(0.8 * u, svg::textLength(lengthText, u) / 2 - length / 2 + gap);
    const double top = gap + mark + 2 * gap + longest + gap;
    const double dimension = 1.8 * u;
    const double right = dimension + 0.6 * u;
    const double bottom = dimension + 0.6 * u;
    const double pictureWidth = left + length + right;
    const double pictureHeight = top + width + bottom;

    svg::Writer out;
    out.title("Zuschnitt " + lengthText + " × " + widthText + " mm mit " +
              std::to_string(result.bends.size()) +
              (result.bends.size() == 1 ? " Biegung" : " Biegungen"));
    out.rect(left, top, length, width, fillColour, outlineColour, 0.1 * u);

    const double x0 = left;
    const double yTop = top;
    const double yBottom = top + width;
    for (std::size_t i = 0; i < result.bends.size(); ++i) {
        const BendResult& bend = result.bends[i];
        const bool up = bend.direction == Direction::Plus;
        const char* colour = up ? bendColour : downColour;
        const double x = x0 + bend.bendLine;
        // Up: long dashes; down: dash and dot, so that the two differ in black and white too.
        out.line({x, yTop}, {x, yBottom}, colour, 0.07 * u,
                 up ? svg::dashes({2 * u, 0.7 * u})
                    : svg::dashes({2 * u, 0.5 * u, 0.3 * u, 0.5 * u}));
        const double markBottom = yTop - gap;
        const double half = mark * 0.55;
        if (up)
            out.triangle({x, markBottom - mark}, {x - half, markBottom}, {x + half, markBottom},
                         colour);
        else
            out.triangle({x, markBottom}, {x - half, markBottom - mark},
                         {x + half, markBottom - mark}, colour);
        // Read upwards, as ordinate measures are: centred on the line, starting above the mark.
        out.text({x + 0.35 * u, markBottom - mark - gap}, -90, "start", u, colour, labels[i]);
    }

    // The length under the blank, the width to its right.
    const double yDimension = yBottom + dimension;
    out.line({x0, yBottom + gap}, {x0, yDimension + gap}, measureColour, 0.05 * u);
    out.line({x0 + length, yBottom + gap}, {x0 + length, yDimension + gap}, measureColour,
             0.05 * u);
    out.dimensionLine({x0, yDimension}, {x0 + length, yDimension}, measureColour, u);
    out.text({x0 + length / 2, yDimension - gap}, 0, "middle", u, measureColour, lengthText);
    const double xDimension = x0 + length + dimension;
    out.line({x0 + length + gap, yTop}, {xDimension + gap, yTop}, measureColour, 0.05 * u);
    out.line({x0 + length + gap, yBottom}, {xDimension + gap, yBottom}, measureColour, 0.05 * u);
    out.dimensionLine({xDimension, yBottom}, {xDimension, yTop}, measureColour, u);
    out.text({xDimension - gap, yTop + width / 2}, -90, "middle", u, measureColour, widthText);

    std::string pictureWidthText;
    svg::appendNumber(pictureWidthText, pictureWidth);
    std::string pictureHeightText;
    svg::appendNumber(pictureHeightText, pictureHeight);
    return out.finish({0, 0, pictureWidth, pictureHeight}, pictureWidthText + "mm",
                      pictureHeightText + "mm");
}

// A drawing whose numbers leave the range of a double is refused rather than written with
// numbers that mean nothing. The refusal names what makes it so large: the width of a blank
// wider than long, else the longest leg.
template <typename Draw> std::string drawnInRange(const Profile& profile, bool byWidth, Draw draw)
{
    try {
        return draw();
    } catch (const svg::NumberOutOfRange& outOfRange) {
        if (byWidth)
            throw ProfileRefusal(ProfileItem::Width, 0, outOfRange.what());
        const auto longest =
            std::max_element(profile.legs.begin(), profile.legs.end(),
                             [](const Leg& a, const Leg& b) { return a.length < b.length; });
        throw ProfileRefusal(ProfileItem::LegLength,
                             static_cast<std::size_t>(longest - profile.legs.begin()),
                             outOfRange.what());
    }
}

} // namespace

std::string blankDxf(const Profile& profile, const ProfileResult& result)
{
    checkResult(profile, result);
    const double width = blankWidth(profile);
    return drawnInRange(profile, width >= result.developedLength,
                        [&] { return drawBlankDxf(result, width); });
}

std::string blankSvg(const Profile& profile, const ProfileResult& result)
{
    checkResult(profile, result);
    const double width = blankWidth(profile);
    return drawnInRange(profile, width >= result.developedLength,
                        [&] { return drawBlankSvg(result, width); });
}

std::string sectionSvg(const Profile& profile, const ProfileResult& result)
{
    checkResult(profile, result);
    return drawnInRange(profile, false, [&] { return drawSection(profile, result); });
}

} // namespace kantrix::profile
