#include "stored_value.h"

namespace kantrix {

double storedValue(const BendState& state, Field field)
{
    switch (field) {
    case Field::Txt_Radius:
        return state.r;
    case Field::Txt_Dicke:
        return state.s;
    case Field::Txt_Beta:
        return state.beta;
    case Field::Txt_Alpha:
        return state.alpha;
    case Field::Txt_k:
        return state.k;
    case Field::Txt_n:
        return state.n;
    case Field::Txt_v:
        return state.v;
    case Field::Txt_z:
        return state.z;
    case Field::Txt_l1:
        return state.l(1);
    case Field::Txt_l2:
        return state.l(2);
    case Field::Txt_l3:
        return state.l(3);
    case Field::Txt_l4:
        return state.l(4);
    case Field::Txt_l5:
        return state.l(5);
    }
    return 0;
}

} // namespace kantrix
