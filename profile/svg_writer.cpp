#include "svg_writer.h"

#include "big_unsigned.h"
#include "float_bits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kantrix::profile::svg {

namespace {

// One family, not a list: Qt's SVG renderer takes a list for one family's name and falls back to
// a wider font. Liberation Sans comes with the window's packages; its widths are Arial's.
constexpr const char* fontFamily = "Liberation Sans";

void appendEscaped(std::string& out, std::string_view text)
{
    if (text.find_first_of("&<>\"") == std::string_view::npos) {
        out += text;
        return;
    }
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

void appendAttribute(std::string& out, const char* name, double value)
{
    out += ' ';
    out += name;
    out += "=\"";
    appendNumber(out, value);
    out += '"';
}

// For the drawings' own values (colours, anchors, dashes), which need no escaping.
void appendAttribute(std::string& out, const char* name, std::string_view value)
{
    out += ' ';
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

// Advance widths of Liberation Sans (the metrics of Arial) in em for what the drawings write.
double advance(char32_t c)
{
    if (c >= '0' && c <= '9')
        return 0.556;
    switch (c) {
    case '.':
    case ' ':
        return 0.278;
    case 'r':
        return 0.333;
    case 'i':
        return 0.222;
    case U'°':
        return 0.4;
    default:
        return 0.6;
    }
}

// From 2^53 on every double is whole, and its thousandths no longer fit in 64 bits.
constexpr double wholeFrom = 9007199254740992.0;

// The exact digits of a double of at least 2^53 in magnitude, its significand shifted left by
// its exponent: no library conversion, so the same digits on every build.
void appendLarge(std::string& out, double value)
{
    const std::uint64_t bits = bitsOf(value);
    BigUnsigned magnitude((bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52));
    magnitude.shiftLeft(static_cast<int>((bits >> 52) & 0x7FF) - 1075);
    if (value < 0)
        out += '-';
    out += magnitude.toDigits();
}

} // namespace

double textLength(std::string_view utf8, double size)
{
    double length = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = bytes == 1 ? lead : lead & (0x3F >> (bytes - 1));
        for (std::size_t k = 1; k < bytes && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        length += advance(c);
        i += bytes;
    }
    return length * size;
}

std::string dashes(std::initializer_list<double> lengths)
{
    std::string text;
    for (double length : lengths) {
        if (!text.empty())
            text += ' ';
        appendNumber(text, length);
    }
    return text;
}

void appendNumber(std::string& out, double value)
{
    if (!std::isfinite(value))
        throw NumberOutOfRange();
    if (std::fabs(value) >= wholeFrom) {
        appendLarge(out, value);
        return;
    }
    // Thousandths as a whole number: no locale, no exponent, and the same digits on every build.
    // Written backwards into a buffer, then appended at once.
    const auto thousandths = static_cast<std::int64_t>(std::llround(value * 1000));
    std::uint64_t magnitude =
        thousandths < 0 ? 0 - static_cast<std::uint64_t>(thousandths) : thousandths;
    char buffer[32];
    char* end = buffer + sizeof buffer;
    char* first = end;
    std::uint64_t fraction = magnitude % 1000;
    magnitude /= 1000;
    if (fraction != 0) {
        int digits = 3;
        for (; fraction % 10 == 0; --digits)
            fraction /= 10;
        for (; digits > 0; --digits, fraction /= 10)
            *--first = static_cast<char>('0' + fraction % 10);
        *--first = '.';
    }
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (thousandths < 0)
        *--first = '-';
    out.append(first, end);
}

void appendPoint(std::string& out, Point point)
{
    appendNumber(out, point.x);
    out += ',';
    appendNumber(out, point.y);
}

void appendWhole(std::string& out, double value)
{
    const double whole = std::round(value);
    if (!std::isfinite(whole))
        throw NumberOutOfRange();
    if (std::fabs(whole) >= wholeFrom)
        appendLarge(out, whole);
    else
        out += std::to_string(static_cast<std::int64_t>(whole));
}

Writer::Writer()
{
    m_body.reserve(16384);
}

void Writer::title(std::string_view text)
{
    m_body += "<title>";
    appendEscaped(m_body, text);
    m_body += "</title>\n";
}

void Writer::rect(double x, double y, double width, double height, const char* fill,
                  const char* stroke, double strokeWidth)
{
    m_body += "<rect";
    appendAttribute(m_body, "x", x);
    appendAttribute(m_body, "y", y);
    appendAttribute(m_body, "width", width);
    appendAttribute(m_body, "height", height);
    appendAttribute(m_body, "fill", fill);
    appendAttribute(m_body, "stroke", stroke);
    if (strokeWidth > 0)
        appendAttribute(m_body, "stroke-width", strokeWidth);
    m_body += "/>\n";
    include({x, y});
    include({x + width, y + height});
}

void Writer::line(Point from, Point to, const char* stroke, double width, std::string_view dash)
{
    m_body += "<line";
    appendAttribute(m_body, "x1", from.x);
    appendAttribute(m_body, "y1", from.y);
    appendAttribute(m_body, "x2", to.x);
    appendAttribute(m_body, "y2", to.y);
    appendAttribute(m_body, "stroke", stroke);
    appendAttribute(m_body, "stroke-width", width);
    if (!dash.empty())
        appendAttribute(m_body, "stroke-dasharray", dash);
    m_body += "/>\n";
    include(from);
    include(to);
}

void Writer::triangle(Point a, Point b, Point c, const char* fill)
{
    m_body += "<path d=\"M";
    appendPoint(m_body, a);
    m_body += " L";
    appendPoint(m_body, b);
    m_body += " L";
    appendPoint(m_body, c);
    m_body += " Z\"";
    appendAttribute(m_body, "fill", fill);
    m_body += "/>\n";
    include(a);
    include(b);
    include(c);
}

void Writer::path(std::string_view d, const char* fill, const char* stroke, double strokeWidth)
{
    m_body += "<path d=\"";
    m_body += d;
    m_body += '"';
    appendAttribute(m_body, "fill", fill);
    appendAttribute(m_body, "stroke", stroke);
    appendAttribute(m_body, "stroke-width", strokeWidth);
    m_body += " stroke-linejoin=\"round\"/>\n";
}

void Writer::text(Point at, double angle, const char* anchor, double size, const char* fill,
                  std::string_view text)
{
    m_body += "<text";
    appendAttribute(m_body, "x", at.x);
    appendAttribute(m_body, "y", at.y);
    if (angle != 0) {
        m_body += " transform=\"rotate(";
        appendNumber(m_body, angle);
        m_body += ' ';
        appendNumber(m_body, at.x);
        m_body += ' ';
        appendNumber(m_body, at.y);
        m_body += ")\"";
    }
    appendAttribute(m_body, "font-family", fontFamily);
    appendAttribute(m_body, "font-size", size);
    appendAttribute(m_body, "text-anchor", anchor);
    appendAttribute(m_body, "fill", fill);
    m_body += '>';
    appendEscaped(m_body, text);
    m_body += "</text>\n";

    // The box of the text: along its baseline from the anchor, from below the baseline to above
    // the capitals.
    const double length = textLength(text, size);
    const std::string_view how = anchor;
    const double start = how == "start" ? 0 : how == "end" ? -length : -length / 2;
    const double radians = angle * 3.14159265358979323846 / 180;
    const Point along{std::cos(radians), std::sin(radians)};
    const Point up{along.y, -along.x};
    for (double a : {start, start + length})
        for (double b : {-0.25 * size, 0.8 * size})
            include({at.x + along.x * a + up.x * b, at.y + along.y * a + up.y * b});
}

void Writer::dimensionLine(Point from, Point to, const char* colour, double textSize)
{
    line(from, to, colour, 0.05 * textSize);
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0))
        return;
    const Point unit{dx / length, dy / length};
    const double head = 0.55 * textSize;
    const double half = 0.16 * textSize;
    for (const auto& [tip, sign] : {std::pair{from, 1.0}, std::pair{to, -1.0}}) {
        const Point base{tip.x + sign * unit.x * head, tip.y + sign * unit.y * head};
        triangle(tip, {base.x - unit.y * half, base.y + unit.x * half},
                 {base.x + unit.y * half, base.y - unit.x * half}, colour);
    }
}

std::string Writer::finish(Box view, std::string_view width, std::string_view height) const
{
    std::string out;
    out.reserve(m_body.size() + 400);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\"";
    appendAttribute(out, "width", width);
    appendAttribute(out, "height", height);
    out += " viewBox=\"";
    appendNumber(out, view.left);
    out += ' ';
    appendNumber(out, view.top);
    out += ' ';
    appendNumber(out, view.right - view.left);
    out += ' ';
    appendNumber(out, view.bottom - view.top);
    out += "\">\n";
    // The title first, then the ground, so that the title stays the document's first child.
    const std::size_t titleEnd = m_body.starts_with("<title>") ? m_body.find('\n') + 1 : 0;
    out.append(m_body, 0, titleEnd);
    out += "<rect";
    appendAttribute(out, "x", view.left);
    appendAttribute(out, "y", view.top);
    appendAttribute(out, "width", view.right - view.left);
    appendAttribute(out, "height", view.bottom - view.top);
    out += " fill=\"#ffffff\"/>\n";
    out.append(m_body, titleEnd);
    out += "</svg>\n";
    return out;
}

} // namespace kantrix::profile::svg
