#include "bend_state.h"

#include "bend_error.h"

namespace kantrix {

namespace {

std::size_t checkedIndex(std::int16_t index)
{
    if (index < 0 || index > 5)
        throw BendError(FaultKind::SubscriptOutOfRange);
    return static_cast<std::size_t>(index);
}

} // namespace

double& BendState::l(std::int16_t index)
{
    return lengths[checkedIndex(index)];
}

double BendState::l(std::int16_t index) const
{
    return lengths[checkedIndex(index)];
}

} // namespace kantrix
