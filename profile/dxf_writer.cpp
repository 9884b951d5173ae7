#include "dxf_writer.h"

#include "svg_writer.h"

#include <algorithm>

namespace kantrix::profile {

void throwOutOfRange()
{
    throw svg::NumberOutOfRange();
}

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

static void writeViewport(DxfWriter& dxf, double length, double width)
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

static void writeLinetypes(DxfWriter& dxf)
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

static void writeLayer(DxfWriter& dxf, const char* name, int colour, const char* linetype)
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
    dxf.beginTable("LAYER", 5);
    writeLayer(dxf, "0", 7, "CONTINUOUS");
    writeLayer(dxf, contourLayer, 7, "CONTINUOUS");
    // The colours of the blank's SVG: up blue, down red.
    writeLayer(dxf, bendUpLayer, 5, "DASHED");
    writeLayer(dxf, bendDownLayer, 1, "DASHED");
    writeLayer(dxf, bendTextLayer, 3, "CONTINUOUS");
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

std::string bendText(bool up, double alpha, double radius)
{
    // The numbers in the fewest digits: the drawing's text, not its measure.
    auto shortest = [](double value) {
        std::string text = nlohmann::json(value).dump();
        if (text.size() > 2 && text.ends_with(".0"))
            text.resize(text.size() - 2);
        return text;
    };
    return std::string(up ? "AUF " : "AB ") + shortest(alpha) + "%%d R" + shortest(radius);
}

} // namespace kantrix::profile
