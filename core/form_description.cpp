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

} // namespace

std::string accessibleName(const RowDescription& row)
{
    std::string_view text = trimmed(row.caption);
    if (!text.empty() && text.back() == '=')
        text = trimmed(text.substr(0, text.size() - 1));
    std::string name(text);
    if (!row.unit.empty())
        name += " in " + std::string(trimmed(row.unit));
    return name;
}

} // namespace kantrix::form
