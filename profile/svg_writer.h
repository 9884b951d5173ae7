#pragma once

// The SVG text of the drawings, in the part of SVG Tiny 1.2 that Qt's QSvgRenderer and the
// browsers draw alike: presentation attributes only, no CSS. The writer keeps the box around all
// it has drawn, texts by an estimate of their width, so that a drawing can size itself to it.

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kantrix::profile::svg {

// A point of the picture, y downwards as SVG counts.
struct Point
{
    double x = 0;
    double y = 0;
};

struct Box
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The width of a text in the sans-serif font at the given size, close enough to leave room for it.
double textLength(std::string_view utf8, double size);

// A stroke-dasharray value.
std::string dashes(std::initializer_list<double> lengths);

// Thrown where a number to be written is not finite: the drawing's measures left the range of a
// double. Its text is the German reason the drawing gives when it refuses.
class NumberOutOfRange : public std::range_error
{
public:
    NumberOutOfRange()
        : std::range_error("Die Zeichnung kann nicht geschrieben werden: ihre Maße liegen "
                           "außerhalb des Zahlenbereichs")
    {}
};

// Coordinates to three decimals, a micrometre where the unit is the millimetre, and every digit
// of a number too large to have decimals; NumberOutOfRange for one that is not finite.
void appendNumber(std::string& out, double value);
void appendPoint(std::string& out, Point point);
// A whole number, rounded half away from zero, such as a size in pixels.
void appendWhole(std::string& out, double value);

class Writer
{
public:
    Writer();

    void title(std::string_view text);
    void rect(double x, double y, double width, double height, const char* fill, const char* stroke,
              double strokeWidth);
    void line(Point from, Point to, const char* stroke, double width, std::string_view dash = {});
    void triangle(Point a, Point b, Point c, const char* fill);
    // `d` is path data written with appendPoint; the caller includes its points in the box.
    void path(std::string_view d, const char* fill, const char* stroke, double strokeWidth);
    void include(Point point)
    {
        if (m_empty) {
            m_box = {point.x, point.y, point.x, point.y};
            m_empty = false;
            return;
        }
        m_box.left = point.x < m_box.left ? point.x : m_box.left;
        m_box.top = point.y < m_box.top ? point.y : m_box.top;
        m_box.right = point.x > m_box.right ? point.x : m_box.right;
        m_box.bottom = point.y > m_box.bottom ? point.y : m_box.bottom;
    }
    // `angle` in degrees, clockwise on the screen; `anchor` is SVG's text-anchor.
    void text(Point at, double angle, const char* anchor, double size, const char* fill,
              std::string_view text);
    // A measure's line with an arrowhead at each end, its tip on the end.
    void dimensionLine(Point from, Point to, const char* colour, double textSize);

    Box bounds() const { return m_box; }

    // The document around what was drawn, on a white ground that fills `view`, the viewBox;
    // `width` and `height` as given, with their unit.
    std::string finish(Box view, std::string_view width, std::string_view height) const;

private:
    std::string m_body;
    Box m_box;
    bool m_empty = true;
};

} // namespace kantrix::profile::svg
