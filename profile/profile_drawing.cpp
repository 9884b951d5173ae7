#include "profile_drawing.h"

#include "dxf_writer.h"
#include "number_text.h"
#include "profile_refusal.h"
#include "section_drawing.h"
#include "svg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <vector>

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

// The outline as one closed polyline, the contour a cutting program follows.
void writeOutline(DxfWriter& dxf, double length, double width)
{
    dxf.text(0, "POLYLINE");
    dxf.text(8, contourLayer);
    dxf.integer(66, 1);
    dxf.point(10, 0, 0);
    dxf.integer(70, 1);
    const double corners[4][2] = {{0, 0}, {length, 0}, {length, width}, {0, width}};
    for (const auto& corner : corners)
        dxf.vertex(contourLayer, corner[0], corner[1], 0);
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
    // Along each line, a little to its right, from near its lower end.
    const double height = std::clamp(width / 40, 2.5, 10.0);
    for (const BendResult& bend : result.bends)
        dxf.text(bendTextLayer, bend.bendLine + height / 2, height, height, 90,
                 bendText(bend.direction == Direction::Plus, bend.alpha, bend.radius));
    dxf.endSection();
    dxf.text(0, "EOF");
    return dxf.take();
}

// Positions for marks at `wanted` (in order) at least `apart` from each other, each as near its
// own as can be: the least squares of the moves. Taking i times `apart` off the i-th position
// turns the spacing into an order, found by pooling neighbours that break it into their mean.
std::vector<double> spread(const std::vector<double>& wanted, double apart)
{
    struct Pool
    {
        double sum;
        std::size_t count;
        double mean() const { return sum / static_cast<double>(count); }
    };
    std::vector<Pool> pools;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        pools.push_back({wanted[i] - static_cast<double>(i) * apart, 1});
        while (pools.size() > 1 && pools[pools.size() - 2].mean() > pools.back().mean()) {
            pools[pools.size() - 2].sum += pools.back().sum;
            pools[pools.size() - 2].count += pools.back().count;
            pools.pop_back();
        }
    }
    std::vector<double> at;
    at.reserve(wanted.size());
    for (const Pool& pool : pools)
        for (std::size_t k = 0; k < pool.count; ++k)
            at.push_back(pool.mean() + static_cast<double>(at.size()) * apart);
    // Marks already far enough apart keep their exact positions.
    for (std::size_t i = 0; i < at.size(); ++i)
        if (std::abs(at[i] - wanted[i]) < 1e-9 * apart)
            at[i] = wanted[i];
    return at;
}

std::string drawBlankSvg(const ProfileResult& result, double width, double textHeight)
{
    const double length = result.developedLength;

    // The text is 3.5 mm high on a blank printed to scale and grows with a large blank, so that
    // it stays readable when a window shows the whole blank, but no more than the closest two
    // bend lines leave room for.
    double room = length;
    for (std::size_t i = 0; i + 1 < result.bends.size(); ++i)
        room = std::min(room, std::abs(result.bends[i + 1].bendLine - result.bends[i].bendLine));
    const double u = textHeight > 0
                         ? textHeight
                         : std::max(3.5, std::min(std::max(length, width) / 80, room / 0.9));
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

    // Where the labels stand along the blank: on their lines, or where lines lie closer than the
    // labels are high, spread apart as little as they can be and led to their lines.
    std::vector<double> lines;
    for (const BendResult& bend : result.bends)
        lines.push_back(bend.bendLine);
    // The files keep the layout they have always had, byte for byte; the moves below serve a
    // text height asked for, which may be large against the blank.
    const bool asked = textHeight > 0;
    const std::vector<double> at = asked ? spread(lines, 0.9 * u) : lines;
    bool led = false;
    double first = 0;
    double last = length;
    for (std::size_t i = 0; i < at.size(); ++i) {
        led = led || at[i] != lines[i];
        first = std::min(first, at[i] - 0.6 * u);
        last = std::max(last, at[i] + 0.6 * u);
    }
    const double lead = led ? 1.2 * u : 0;

    // A measure's text longer than the blank's side would cross its extension lines: it goes to
    // the far side of its line.
    const bool lengthUnder = asked && svg::textLength(lengthText, u) + 2 * gap > length;
    const bool widthBeyond = asked && svg::textLength(widthText, u) + 2 * gap > width;

    // The blank's corner in the picture; the bend positions stand above it, the length below and
    // the width on the right.
    const double left = std::max(
        {0.8 * u, svg::textLength(lengthText, u) / 2 - length / 2 + gap, -first + 0.2 * u});
    const double top = gap + mark + lead + 2 * gap + longest + gap;
    const double dimension = 1.8 * u;
    const double right =
        std::max(dimension + 0.6 * u + (widthBeyond ? 1.2 * u : 0), last - length + 0.2 * u);
    const double bottom = dimension + 0.6 * u + (lengthUnder ? 1.2 * u : 0);
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
        const double labelX = x0 + at[i];
        if (led)
            out.line({x, markBottom - mark}, {labelX, markBottom - mark - lead}, colour, 0.05 * u);
        out.text({labelX + 0.35 * u, markBottom - mark - lead - gap}, -90, "start", u, colour,
                 labels[i]);
    }

    // The length under the blank, the width to its right.
    const double yDimension = yBottom + dimension;
    out.line({x0, yBottom + gap}, {x0, yDimension + gap}, measureColour, 0.05 * u);
    out.line({x0 + length, yBottom + gap}, {x0 + length, yDimension + gap}, measureColour,
             0.05 * u);
    out.dimensionLine({x0, yDimension}, {x0 + length, yDimension}, measureColour, u);
    out.text({x0 + length / 2, lengthUnder ? yDimension + gap + 0.9 * u : yDimension - gap}, 0,
             "middle", u, measureColour, lengthText);
    const double xDimension = x0 + length + dimension;
    out.line({x0 + length + gap, yTop}, {xDimension + gap, yTop}, measureColour, 0.05 * u);
    out.line({x0 + length + gap, yBottom}, {xDimension + gap, yBottom}, measureColour, 0.05 * u);
    out.dimensionLine({xDimension, yBottom}, {xDimension, yTop}, measureColour, u);
    out.text({widthBeyond ? xDimension + gap + 0.9 * u : xDimension - gap, yTop + width / 2}, -90,
             "middle", u, measureColour, widthText);

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
    return blankSvg(profile, result, {});
}

std::string blankSvg(const Profile& profile, const ProfileResult& result,
                     const DrawingOptions& options)
{
    checkResult(profile, result);
    const double width = blankWidth(profile);
    return drawnInRange(profile, width >= result.developedLength,
                        [&] { return drawBlankSvg(result, width, options.textHeight); });
}

std::string sectionSvg(const Profile& profile, const ProfileResult& result)
{
    return sectionSvg(profile, result, {});
}

std::string sectionSvg(const Profile& profile, const ProfileResult& result,
                       const DrawingOptions& options)
{
    checkResult(profile, result);
    return drawnInRange(profile, false,
                        [&] { return drawSection(profile, result, options.textHeight); });
}

} // namespace kantrix::profile
