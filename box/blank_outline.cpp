#include "blank_outline.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <utility>

namespace kantrix::box {

namespace {

constexpr double pi = 3.14159265358979323846;

// The disc's area in [0, x] x [0, y] for x, y >= 0: the strip under y up to where the circle
// drops below it, then the circle itself.
double quadrantPart(double x, double y, double radius)
{
    x = std::min(x, radius);
    y = std::min(y, radius);
    const double squared = radius * radius;
    const double reach = std::sqrt(std::max(0.0, squared - y * y));
    if (x <= reach)
        return x * y;
    auto underCircle = [&](double t) {
        return (t * std::sqrt(std::max(0.0, squared - t * t)) + squared * std::asin(t / radius)) /
               2;
    };
    return y * reach + underCircle(x) - underCircle(reach);
}

// The same for any signs: [0, x] x [0, y] counted negative where it runs to the negative side.
double signedPart(double x, double y, double radius)
{
    const double part = quadrantPart(std::fabs(x), std::fabs(y), radius);
    return (x < 0) != (y < 0) ? -part : part;
}

double discInRect(const Circle& circle, const Rect& rect)
{
    const double x0 = rect.left - circle.x;
    const double x1 = rect.right - circle.x;
    const double y0 = rect.bottom - circle.y;
    const double y1 = rect.top - circle.y;
    const double r = circle.radius;
    return signedPart(x1, y1, r) - signedPart(x0, y1, r) - signedPart(x1, y0, r) +
           signedPart(x0, y0, r);
}

struct Point
{
    double x = 0;
    double y = 0;

    auto operator<=>(const Point&) const = default;
};

bool insideDisc(const Point& p, const Circle& circle)
{
    const double dx = p.x - circle.x;
    const double dy = p.y - circle.y;
    return dx * dx + dy * dy < circle.radius * circle.radius;
}

// The corners of the rectangles' union, counter-clockwise, each where the direction turns.
std::vector<Point> unionPolygon(const std::vector<Rect>& pieces)
{
    std::vector<double> xs;
    std::vector<double> ys;
    for (const Rect& r : pieces) {
        xs.insert(xs.end(), {r.left, r.right});
        ys.insert(ys.end(), {r.bottom, r.top});
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    const std::size_t nx = xs.size() - 1;
    const std::size_t ny = ys.size() - 1;
    std::vector<char> filled(nx * ny, 0);
    for (std::size_t i = 0; i < nx; ++i)
        for (std::size_t j = 0; j < ny; ++j) {
            const double cx = (xs[i] + xs[i + 1]) / 2;
            const double cy = (ys[j] + ys[j + 1]) / 2;
            for (const Rect& r : pieces)
                if (cx > r.left && cx < r.right && cy > r.bottom && cy < r.top)
                    filled[i * ny + j] = 1;
        }
    auto at = [&](std::ptrdiff_t i, std::ptrdiff_t j) {
        return i >= 0 && j >= 0 && i < static_cast<std::ptrdiff_t>(nx) &&
               j < static_cast<std::ptrdiff_t>(ny) && filled[i * ny + j];
    };
    // Grid corners as (i, j); each boundary edge keeps the material on its left.
    using Corner = std::pair<std::size_t, std::size_t>;
    std::map<Corner, Corner> next;
    for (std::size_t i = 0; i < nx; ++i)
        for (std::size_t j = 0; j < ny; ++j) {
            if (!filled[i * ny + j])
                continue;
            const auto si = static_cast<std::ptrdiff_t>(i);
            const auto sj = static_cast<std::ptrdiff_t>(j);
            if (!at(si, sj - 1))
                next[{i, j}] = {i + 1, j};
            if (!at(si + 1, sj))
                next[{i + 1, j}] = {i + 1, j + 1};
            if (!at(si, sj + 1))
                next[{i + 1, j + 1}] = {i, j + 1};
            if (!at(si - 1, sj))
                next[{i, j + 1}] = {i, j};
        }
    if (next.empty())
        throw std::logic_error("blank without material");
    // The lowest leftmost corner turns; start there.
    Corner start = next.begin()->first;
    for (const auto& [corner, following] : next)
        if (corner.second < start.second ||
            (corner.second == start.second && corner.first < start.first))
            start = corner;
    std::vector<Corner> chain{start};
    for (Corner c = next.at(start); c != start; c = next.at(c)) {
        chain.push_back(c);
        if (chain.size() > next.size())
            throw std::logic_error("blank outline does not close");
    }
    if (chain.size() != next.size())
        throw std::logic_error("blank is not one piece");
    std::vector<Point> polygon;
    const std::size_t n = chain.size();
    for (std::size_t k = 0; k < n; ++k) {
        const Corner& before = chain[(k + n - 1) % n];
        const Corner& here = chain[k];
        const Corner& after = chain[(k + 1) % n];
        const bool straight = (before.first == here.first && here.first == after.first) ||
                              (before.second == here.second && here.second == after.second);
        if (!straight)
            polygon.push_back({xs[here.first], ys[here.second]});
    }
    return polygon;
}

bool insidePolygon(const std::vector<Point>& polygon, const Point& p)
{
    bool inside = false;
    for (std::size_t k = 0, n = polygon.size(); k < n; ++k) {
        const Point& a = polygon[k];
        const Point& b = polygon[(k + 1) % n];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) / (b.y - a.y) * (b.x - a.x))
            inside = !inside;
    }
    return inside;
}

// tan(θ / 4) of the arc from a to b counter-clockwise around the circle's centre, θ in (0, 2π),
// from the two radii alone: with only +, −, ×, ÷ and √, which IEEE 754 rounds alike everywhere,
// the bulge in the DXF is the same to the last digit on every machine and in the page's module,
// where tan and atan2 of another C library may differ in the last place.
double quarterTangent(const Circle& circle, const Point& a, const Point& b)
{
    const double ux = a.x - circle.x;
    const double uy = a.y - circle.y;
    const double vx = b.x - circle.x;
    const double vy = b.y - circle.y;
    const double lengths = std::sqrt((ux * ux + uy * uy) * (vx * vx + vy * vy));
    const double cosine = std::clamp((ux * vx + uy * vy) / lengths, -1.0, 1.0);
    // The half angle φ = θ / 2 lies in (0, π); its cosine is negative where θ passes π, which is
    // where the cross product turns negative.
    const double sinHalf = std::sqrt((1 - cosine) / 2);
    const double cosHalf = std::copysign(std::sqrt((1 + cosine) / 2), ux * vy - uy * vx);
    // tan(φ / 2), each form where it does not lose its digits.
    return cosHalf >= 0 ? sinHalf / (1 + cosHalf) : (1 - cosHalf) / sinHalf;
}

struct Piece
{
    Point from;
    Point to;
    double bulge = 0;
};

} // namespace

double blankArea(const std::vector<Rect>& pieces, const std::vector<Circle>& holes)
{
    double area = 0;
    for (const Rect& r : pieces)
        area += (r.right - r.left) * (r.top - r.bottom);
    for (const Circle& circle : holes)
        for (const Rect& r : pieces)
            // Most pieces lie far from a corner's circle; only those its square reaches count.
            if (r.left < circle.x + circle.radius && r.right > circle.x - circle.radius &&
                r.bottom < circle.y + circle.radius && r.top > circle.y - circle.radius)
                area -= discInRect(circle, r);
    return area;
}

std::vector<OutlineVertex> blankOutline(const std::vector<Rect>& pieces,
                                        const std::vector<Circle>& holes)
{
    const std::vector<Point> polygon = unionPolygon(pieces);
    const std::size_t n = polygon.size();
    std::vector<std::vector<Point>> onCircle(holes.size());
    std::vector<Piece> kept;
    // A point on a circle's own arc is not asked about that circle: rounding puts it on either
    // side.
    auto outsideHoles = [&](const Point& p, const Circle* own = nullptr) {
        return std::none_of(holes.begin(), holes.end(),
                            [&](const Circle& c) { return &c != own && insideDisc(p, c); });
    };
    for (std::size_t k = 0; k < n; ++k) {
        const Point a = polygon[k];
        const Point b = polygon[(k + 1) % n];
        const bool horizontal = a.y == b.y;
        // The points where circles cross the edge, as parameters along it.
        std::vector<std::pair<double, Point>> cuts;
        for (std::size_t c = 0; c < holes.size(); ++c) {
            const Circle& circle = holes[c];
            const double across = horizontal ? a.y - circle.y : a.x - circle.x;
            const double rest = circle.radius * circle.radius - across * across;
            if (!(rest > 0))
                continue; // missed or touched: the edge stays whole
            const double half = std::sqrt(rest);
            for (double along : {-half, half}) {
                const Point p =
                    horizontal ? Point{circle.x + along, a.y} : Point{a.x, circle.y + along};
                const double t = horizontal ? (p.x - a.x) / (b.x - a.x) : (p.y - a.y) / (b.y - a.y);
                if (t > 0 && t < 1) {
                    cuts.push_back({t, p});
                    onCircle[c].push_back(p);
                }
            }
        }
        std::sort(cuts.begin(), cuts.end(),
                  [](const auto& l, const auto& r) { return l.first < r.first; });
        Point from = a;
        cuts.push_back({1, b});
        for (const auto& [t, to] : cuts) {
            if (outsideHoles({(from.x + to.x) / 2, (from.y + to.y) / 2}))
                kept.push_back({from, to, 0});
            from = to;
        }
    }
    // The circles' arcs within the material, clockwise: the hole lies to their right.
    for (std::size_t c = 0; c < holes.size(); ++c) {
        const Circle& circle = holes[c];
        std::vector<std::pair<double, Point>> around;
        for (const Point& p : onCircle[c])
            around.push_back({std::atan2(p.y - circle.y, p.x - circle.x), p});
        std::sort(around.begin(), around.end(),
                  [](const auto& l, const auto& r) { return l.first < r.first; });
        for (std::size_t i = 0; i < around.size(); ++i) {
            const auto& [from, p] = around[i];
            const auto& [to, q] = around[(i + 1) % around.size()];
            const double sweep = i + 1 < around.size() ? to - from : to + 2 * pi - from;
            const double middle = from + sweep / 2;
            const Point probe{circle.x + circle.radius * std::cos(middle),
                              circle.y + circle.radius * std::sin(middle)};
            if (insidePolygon(polygon, probe) && outsideHoles(probe, &circle))
                kept.push_back({q, p, -quarterTangent(circle, p, q)});
        }
    }
    std::map<Point, std::size_t> startingAt;
    for (std::size_t i = 0; i < kept.size(); ++i)
        startingAt[kept[i].from] = i;
    if (startingAt.size() != kept.size())
        throw std::logic_error("blank outline branches");
    std::size_t first = 0;
    for (std::size_t i = 1; i < kept.size(); ++i)
        if (kept[i].from.y < kept[first].from.y ||
            (kept[i].from.y == kept[first].from.y && kept[i].from.x < kept[first].from.x))
            first = i;
    std::vector<OutlineVertex> outline;
    std::size_t i = first;
    do {
        outline.push_back({kept[i].from.x, kept[i].from.y, kept[i].bulge});
        const auto found = startingAt.find(kept[i].to);
        if (found == startingAt.end() || outline.size() > kept.size())
            throw std::logic_error("blank outline does not close");
        i = found->second;
    } while (i != first);
    if (outline.size() != kept.size())
        throw std::logic_error("blank outline is not one piece");
    return outline;
}

double outlineArea(const std::vector<OutlineVertex>& outline)
{
    double twice = 0;
    double arcs = 0;
    for (std::size_t k = 0, n = outline.size(); k < n; ++k) {
        const OutlineVertex& a = outline[k];
        const OutlineVertex& b = outline[(k + 1) % n];
        twice += a.x * b.y - b.x * a.y;
        if (a.bulge != 0) {
            const double angle = 4 * std::atan(std::fabs(a.bulge));
            const double chord = std::hypot(b.x - a.x, b.y - a.y);
            const double radius = chord / (2 * std::sin(angle / 2));
            const double segment = (angle - std::sin(angle)) * radius * radius / 2;
            arcs += a.bulge > 0 ? segment : -segment;
        }
    }
    return twice / 2 + arcs;
}

} // namespace kantrix::box
