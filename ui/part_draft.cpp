// The keeping of a draft both part models share; see part_draft.h.

#include "part_draft.h"

#include "bend_error.h"
#include "profile_options.h"

namespace kantrix {

void takeTyped(const QString& text, std::optional<QString>& typed, double* plain,
               std::optional<double>* optional)
{
    const std::optional<double> number = typedNumber(text);
    typed.reset();
    if (optional && text.trimmed().isEmpty())
        optional->reset();
    else if (!number)
        typed = text;
    else if (optional)
        *optional = *number;
    else
        *plain = *number;
}

std::optional<double> typedNumber(const QString& text)
{
    return profile::readNumber(text.toStdString(), profile::NumberStyle::PointOrComma);
}

std::optional<profile::Measure> typedMeasure(const QString& text)
{
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("aussen") || word == QLatin1String("außen"))
        return profile::Measure::Aussen;
    if (word == QLatin1String("innen"))
        return profile::Measure::Innen;
    return std::nullopt;
}

bool isKept(const std::optional<QString>& typed, bool noNumber)
{
    return typed && typed->trimmed().isEmpty() != noNumber;
}

QString typedMessage(const QString& name, const QString& text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("%1 fehlt noch.").arg(name);
    return QStringLiteral("%1: „%2“ ist keine Zahl.").arg(name, text);
}

QString calculationFault(const BendError& fault)
{
    const std::string_view words = faultMessage(fault.kind());
    return QStringLiteral("Die Rechnung geht mit diesen Werten nicht auf: %1.")
        .arg(QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size())));
}

} // namespace kantrix
