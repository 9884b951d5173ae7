#include "field_set.h"

#include "bend_error.h"

namespace kantrix {

Field Txt_l(std::int16_t index)
{
    if (index < 1 || index > 5)
        throw BendError(FaultKind::SubscriptOutOfRange);
    return static_cast<Field>(static_cast<int>(Field::Txt_l1) + index - 1);
}

std::string_view controlName(Field field)
{
    static constexpr std::array<std::string_view, fieldCount> names = {
        "Txt_Radius", "Txt_Dicke", "Txt_Beta", "Txt_Alpha", "Txt_k",    "Txt_n",    "Txt_v",
        "Txt_z",      "Txt_l(1)",  "Txt_l(2)", "Txt_l(3)",  "Txt_l(4)", "Txt_l(5)",
    };
    return names[static_cast<std::size_t>(field)];
}

} // namespace kantrix
