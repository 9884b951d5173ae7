#pragma once

// The member of the bend state that an input field's leave rule stores into.

#include "bend_state.h"
#include "field_set.h"

#include <cmath>

namespace kantrix::test {

inline double storedValue(const BendState& state, Field field)
{
    switch (field) {
    case Field::Txt_Radius:
        return state.r;
    case Field::Txt_Dicke:
        return state.s;
    case Field::Txt_Beta:
        return state.beta;
    case Field::Txt_l1:
        return state.l(1);
    case Field::Txt_l2:
        return state.l(2);
    default:
        return NAN;
    }
}

} // namespace kantrix::test
