#include "form_description.h"

namespace kantrix::form {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// A caption such as "Biegewinkel a = 180 - b =" names its quantity up to the "="; the rest is a
// formula, not a name.
std::string_view quantityName(const RowDescription& row)
{
    return trimmed(row.caption.substr(0, row.caption.find('=')));
}

} // namespace

std::string_view spokenUnit(std::string_view unit)
{
    unit = trimmed(unit);
    if (unit == "mm")
        return "Millimeter";
    if (unit == "°")
        return "Grad";
    return unit;
}

std::string accessibleName(const RowDescription& row)
{
    std::string name(quantityName(row));
    const std::string_view unit = spokenUnit(row.unit);
    if (!unit.empty()) {
        name += ", ";
        name += unit;
    }
    return name;
}

std::string spokenQuantity(const RowDescription& row, std::string_view shown)
{
    std::string spoken(quantityName(row));
    spoken += ": ";
    spoken += shown;
    const std::string_view unit = spokenUnit(row.unit);
    if (!unit.empty()) {
        spoken += ' ';
        spoken += unit;
    }
    return spoken;
}

} // namespace kantrix::form
