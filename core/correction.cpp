#include "correction.h"

namespace kantrix {

namespace {

std::string_view ruleText(const Correction& correction)
{
    switch (correction.rule) {
    case CorrectionRule::NotPositive:
        return correction.field == Field::Txt_Dicke ? "die Blechdicke muss größer als 0 sein"
                                                    : "der Biegeradius muss größer als 0 sein";
    case CorrectionRule::AngleNotPositive:
        return "der Öffnungswinkel muss größer als 0° sein";
    case CorrectionRule::AngleTooLarge:
        return "der Öffnungswinkel muss kleiner als 180° sein";
    case CorrectionRule::BelowMinimumLength:
        return "minimale Schenkellänge = 4*r";
    }
    return {};
}

} // namespace

std::string_view fieldSymbol(Field field)
{
    switch (field) {
    case Field::Txt_Radius:
        return "r";
    case Field::Txt_Dicke:
        return "s";
    case Field::Txt_Beta:
        return "β";
    case Field::Txt_l1:
        return "a";
    case Field::Txt_l2:
        return "b";
    default:
        return controlName(field);
    }
}

std::string correctionNote(const Correction& correction)
{
    std::string note(fieldSymbol(correction.field));
    note += " auf ";
    note += correction.replacement;
    note += " korrigiert (eingegeben: „";
    note += correction.typed;
    note += "“): ";
    note += ruleText(correction);
    return note;
}

} // namespace kantrix
