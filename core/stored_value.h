#pragma once

// The number the form holds for a field's quantity: r for Txt_Radius, l(5) for Txt_l(5).

#include "bend_state.h"
#include "field_set.h"

namespace kantrix {

double storedValue(const BendState& state, Field field);

} // namespace kantrix
