#pragma once

// The thirteen quantities under the symbols by which scripts and spreadsheets name them: the keys
// of the JSON object and the columns of a batch, and the five of them that take input.

#include "bend_calculation.h"
#include "bend_state.h"
#include "field_set.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kantrix::cli {

struct Quantity
{
    std::string_view key;
    Field field;
};

inline constexpr std::array<Quantity, fieldCount> quantities = {{
    {"r", Field::Txt_Radius},
    {"s", Field::Txt_Dicke},
    {"beta", Field::Txt_Beta},
    {"alpha", Field::Txt_Alpha},
    {"k", Field::Txt_k},
    {"n", Field::Txt_n},
    {"v", Field::Txt_v},
    {"bz", Field::Txt_z},
    {"a", Field::Txt_l1},
    {"b", Field::Txt_l2},
    {"a'", Field::Txt_l3},
    {"b'", Field::Txt_l4},
    {"L", Field::Txt_l5},
}};

// The keys of the input fields, in tab order, as in BendEntry.
inline constexpr std::array<std::string_view, inputFields.size()> inputKeys = {"r", "s", "beta",
                                                                               "a", "b"};

// The position of an input key in tab order, or none for any other name.
std::optional<std::size_t> inputIndex(std::string_view key);

// The key of a field, "beta" for Txt_Beta.
std::string_view keyOf(Field field);

// The typed texts of one bend, owned, so that a value with a decimal comma can be handed to the
// form with a point.
struct TypedBend
{
    std::array<std::optional<std::string>, inputFields.size()> texts;

    BendEntry entry() const;
};

} // namespace kantrix::cli
