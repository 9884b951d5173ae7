#include "bend_formulas.h"

#include "bend_error.h"
#include "finite_check.h"
#include "natural_log.h"
#include "tangent.h"

namespace kantrix {

void k_wert(BendState& state)
{
    const double q = state.r / state.s;
    checkFiniteQuotient(q, state.r, state.s);
    if (q < 5) {
        if (!(q > 0))
            throw BendError(FaultKind::InvalidArgument);
        // By the same function as ln(r / s), once.
        static const double ln10 = naturalLog(10);
        state.k = naturalLog(q) * 0.5 / ln10 + 0.65;
    } else {
        state.k = 1;
    }
    checkFinite(state.k);
    state.n = state.k / 2;
    checkFinite(state.n);
}

void v_wert(BendState& state)
{
    const double r = state.r;
    const double s = state.s;
    if (state.beta > 90) {
        const double tangentArgument = state.alpha * pi / 360;
        checkFinite(tangentArgument);
        const double tanHalfAlpha = tangent(tangentArgument);
        const double arc = (s / 2 * state.k + r) * (state.alpha * pi / 180);
        state.v = arc - (r + s) * 2 * tanHalfAlpha;
    } else {
        const double arc = (s / 2 * state.k + r) * (state.alpha * pi / 180);
        state.v = arc - (r + s) * 2;
    }
    checkFinite(state.v);
}

void derivedLengths(BendState& state)
{
    // The same arc as in v_wert in exact arithmetic, but evaluated in this order on purpose.
    state.z = (state.s * state.n + state.r) * state.alpha * pi / 180;
    checkFinite(state.z);
    state.l(5) = state.l(2) + state.l(1) + state.v;
    checkFinite(state.l(5));
    state.l(3) = state.v / 2 + state.l(1);
    checkFinite(state.l(3));
    state.l(4) = state.v / 2 + state.l(2);
    checkFinite(state.l(4));
}

BendState bendOf(double r, double s, double beta, double a, double b)
{
    BendState state;
    state.r = r;
    state.s = s;
    state.beta = beta;
    state.alpha = 180 - beta;
    state.l(1) = a;
    state.l(2) = b;
    return state;
}

BendState computedBend(double r, double s, double beta, double a, double b)
{
    BendState state = bendOf(r, s, beta, a, b);
    k_wert(state);
    v_wert(state);
    derivedLengths(state);
    return state;
}

} // namespace kantrix
