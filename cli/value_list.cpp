#include "value_list.h"

#include "bend_error.h"
#include "number_text.h"
#include "plain_number.h"

#include <cmath>

namespace kantrix::cli {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return parts;
        text.remove_prefix(end + 1);
    }
}

std::string refusal(std::string_view option, std::string_view item, std::string_view why)
{
    return "Ungültige Angabe „" + std::string(item) + "“ für " + std::string(option) + ": " +
           std::string(why);
}

std::optional<std::string> expandRange(std::string_view option, std::string_view item,
                                       std::vector<std::string>& values)
{
    const std::vector<std::string_view> bounds = split(item, ':');
    if (bounds.size() != 3)
        return refusal(option, item, "ein Bereich ist von:bis:Schritt, z. B. 1:3:0.5");
    double from = 0;
    double to = 0;
    double step = 0;
    for (std::string_view bound : bounds)
        if (!isPlainNumber(bound))
            return plainNumberRefusal(option, bound);
    try {
        from = ParseNumber(bounds[0]);
        to = ParseNumber(bounds[1]);
        step = ParseNumber(bounds[2]);
    } catch (const BendError&) {
        return refusal(option, item, "Zahl außerhalb des Zahlbereichs");
    }
    if (!(step > 0) || !(to >= from))
        return refusal(option, item, "der Bereich muss mit positivem Schritt aufwärts laufen");
    // A hair of tolerance, so that 1:3:0.1 ends at 3 although 20 * 0.1 lands a bit beyond 2.
    const double steps = std::floor((to - from) / step + 1e-9);
    if (!(steps < static_cast<double>(maxListValues)) ||
        values.size() + static_cast<std::size_t>(steps) + 1 > maxListValues)
        return refusal(option, item,
                       "mehr als " + std::to_string(maxListValues) + " Werte in der Liste");
    for (int i = 0; i <= static_cast<int>(steps); ++i)
        values.push_back(NumberToText(from + i * step));
    return std::nullopt;
}

} // namespace

std::optional<std::string> expandValues(std::string_view option, std::string_view list,
                                        std::vector<std::string>& values)
{
    for (std::string_view item : split(list, '/')) {
        if (item.find(':') != std::string_view::npos) {
            if (std::optional<std::string> refused = expandRange(option, item, values))
                return refused;
            continue;
        }
        if (!isPlainNumber(item))
            return plainNumberRefusal(option, item);
        if (values.size() >= maxListValues)
            return refusal(option, item,
                           "mehr als " + std::to_string(maxListValues) + " Werte in der Liste");
        values.emplace_back(item);
    }
    return std::nullopt;
}

} // namespace kantrix::cli
