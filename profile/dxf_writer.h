#pragma once

// The DXF text of the blanks, R12 (AC1009) as every laser and punching CAM still reads it, written
// once here for the profile and the box: the header, the tables with the drawings' layers, and
// the entities the blanks need. Lines end in "\r\n" as AutoCAD writes them; coordinates are
// written in the fewest digits that read back to the same double.

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace kantrix::profile {

// The layer names of the blanks' DXF.
inline constexpr const char* contourLayer = "KONTUR";
inline constexpr const char* bendUpLayer = "BIEGUNG_AUF";    // bends towards the viewer
inline constexpr const char* bendDownLayer = "BIEGUNG_AB";   // away from him
inline constexpr const char* bendTextLayer = "BIEGUNG_TEXT"; // each bend's way, angle, radius

// Thrown as svg::NumberOutOfRange where a number is not finite.
[[noreturn]] void throwOutOfRange();

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
            throwOutOfRange();
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

    void text(const char* layer, double x, double y, double height, double rotation,
              std::string_view value)
    {
        text(0, "TEXT");
        text(8, layer);
        point(10, x, y);
        number(40, height);
        text(1, value);
        if (rotation != 0)
            number(50, rotation);
    }

    // A vertex of a POLYLINE, with the bulge of the arc to the next one where it is not 0.
    void vertex(const char* layer, double x, double y, double bulge)
    {
        text(0, "VERTEX");
        text(8, layer);
        point(10, x, y);
        if (bulge != 0)
            number(42, bulge);
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

// The HEADER section for a drawing from (0, 0) to (length, width), in millimetres.
void writeHeader(DxfWriter& dxf, double length, double width);
// The TABLES section: the view of the whole drawing, the line types, the layers above.
void writeTables(DxfWriter& dxf, double length, double width);

// The text beside a bend line: which way, the bend angle alpha and the inside radius, in the
// characters R12 carries ("%%d" is its degree sign): "AUF 90%%d R2".
std::string bendText(bool up, double alpha, double radius);

} // namespace kantrix::profile
