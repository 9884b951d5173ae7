#include "bend_error.h"

#include <string>

namespace kantrix {

std::string_view faultMessage(FaultKind kind)
{
    switch (kind) {
    case FaultKind::InvalidOperation:
        return "Ungültige Gleitkommaoperation";
    case FaultKind::DivisionByZero:
        return "Division durch Null";
    case FaultKind::Overflow:
        return "Überlauf";
    case FaultKind::InvalidArgument:
        return "Ungültiger Prozeduraufruf oder ungültiges Argument";
    case FaultKind::SubscriptOutOfRange:
        return "Index außerhalb des gültigen Bereichs";
    }
    return "Unbekannter Fehler";
}

std::string faultReport(FaultKind kind)
{
    return "Rechenfehler: " + std::string(faultMessage(kind)) +
           ".\n\nDie Eingabe wurde verworfen; alle Felder zeigen wieder die zuletzt gültigen "
           "Werte.";
}

BendError::BendError(FaultKind kind)
    : std::runtime_error(std::string(faultMessage(kind))), m_kind(kind)
{}

} // namespace kantrix
