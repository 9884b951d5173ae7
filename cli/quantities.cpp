#include "quantities.h"

namespace kantrix::cli {

std::optional<std::size_t> inputIndex(std::string_view key)
{
    for (std::size_t i = 0; i < inputKeys.size(); ++i)
        if (inputKeys[i] == key)
            return i;
    return std::nullopt;
}

std::string_view keyOf(Field field)
{
    for (const Quantity& quantity : quantities)
        if (quantity.field == field)
            return quantity.key;
    return controlName(field);
}

BendEntry TypedBend::entry() const
{
    BendEntry entry;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i])
            entry[i] = *texts[i];
    return entry;
}

} // namespace kantrix::cli
