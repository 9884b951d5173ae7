#include "shop_correction.h"

#include "natural_log.h"

#include <algorithm>

namespace kantrix::press {

namespace {

double log10Of(double q)
{
    static const double ln10 = naturalLog(10);
    return naturalLog(q) / ln10;
}

} // namespace

ShopCorrection::ShopCorrection(const Material& material, std::optional<double> thickness)
{
    const auto atThickness = [&thickness](const TestBend& bend) {
        return bend.thickness == *thickness;
    };
    const bool onlyOwn =
        thickness && std::any_of(material.testBends.begin(), material.testBends.end(), atThickness);
    std::vector<std::pair<double, double>> offsets;
    std::vector<std::pair<double, double>> springbacks;
    offsets.reserve(material.testBends.size());
    for (std::size_t i = 0; i < material.testBends.size(); ++i) {
        const TestBend& bend = material.testBends[i];
        // Every test bend is checked, also one that does not count here.
        const TestBendResult result = evaluateTestBendOf(material, i);
        if (onlyOwn && !atThickness(bend))
            continue;
        ++m_testBends;
        const double q = bend.radius / bend.thickness;
        offsets.emplace_back(q, result.k - result.kDin);
        if (result.springback)
            springbacks.emplace_back(q, *result.springback);
    }
    m_k = points(std::move(offsets), {});
    // Every springback lies at the q of a test bend: its logarithm is known already.
    m_springback = points(std::move(springbacks), m_k);
}

std::vector<ShopCorrection::Point>
ShopCorrection::points(std::vector<std::pair<double, double>> samples,
                       const std::vector<Point>& known)
{
    std::stable_sort(samples.begin(), samples.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Point> points;
    for (std::size_t i = 0; i < samples.size();) {
        std::size_t end = i;
        double sum = 0;
        for (; end < samples.size() && samples[end].first == samples[i].first; ++end)
            sum += samples[end].second;
        const double q = samples[i].first;
        const auto same = std::find_if(known.begin(), known.end(),
                                       [q](const Point& point) { return point.q == q; });
        points.push_back(
            {q, same != known.end() ? same->x : log10Of(q), sum / static_cast<double>(end - i)});
        i = end;
    }
    return points;
}

double ShopCorrection::interpolate(const std::vector<Point>& points, double q,
                                   std::optional<double>& x)
{
    if (q <= points.front().q)
        return points.front().value;
    if (q >= points.back().q)
        return points.back().value;
    const auto above = std::upper_bound(points.begin(), points.end(), q,
                                        [](double wanted, const Point& p) { return wanted < p.q; });
    const Point& high = *above;
    const Point& low = *(above - 1);
    if (q == low.q)
        return low.value;
    if (!x)
        x = log10Of(q);
    return low.value + (high.value - low.value) * (*x - low.x) / (high.x - low.x);
}

ShopCorrection::At ShopCorrection::at(double q) const
{
    At result;
    std::optional<double> x;
    if (!m_k.empty())
        result.kOffset = interpolate(m_k, q, x);
    if (!m_springback.empty())
        result.springback = interpolate(m_springback, q, x);
    return result;
}

double setAngle(double beta, double springback)
{
    return 180 - (180 - beta) / springback;
}

} // namespace kantrix::press
