#pragma once

// The one error type of the calculation. A fault leaves the running rule at once; nothing in the
// core catches it, so the caller decides how to report it and what state to return to.

#include <stdexcept>
#include <string>
#include <string_view>

namespace kantrix {

enum class FaultKind
{
    InvalidOperation,
    DivisionByZero,
    Overflow,
    InvalidArgument, // the logarithm of a ratio that is not positive
    SubscriptOutOfRange,
};

// The German text that names a fault to the user, e.g. "Überlauf".
std::string_view faultMessage(FaultKind kind);

// The whole message a face shows when a rule faulted and was undone: the fault, and that every
// field shows the last complete state again.
std::string faultReport(FaultKind kind);

class BendError : public std::runtime_error
{
public:
    explicit BendError(FaultKind kind);

    FaultKind kind() const noexcept { return m_kind; }

private:
    FaultKind m_kind;
};

} // namespace kantrix
