#include "material.h"

#include "number_text.h"
#include "press_refusal.h"

#include <cmath>

namespace kantrix::press {

namespace {

bool isPositive(double value)
{
    return value > 0 && std::isfinite(value);
}

std::string shown(double value)
{
    return std::isfinite(value) ? NumberToText(value) : std::string(value > 0 ? "∞" : "NaN");
}

[[noreturn]] void refuse(const Material& material, const std::string& why)
{
    throw PressRefusal(PressItem::Material, "Werkstoff „" + material.name + "“: " + why);
}

void checkTable(const Material& material, const MinimumRadiusTable& table)
{
    if (table.bounds.size() < 2 || table.quer.size() != table.bounds.size() - 1 ||
        table.laengs.size() != table.bounds.size() - 1)
        refuse(material, "die Tabelle der Mindestradien braucht n + 1 Dicken und je n Radien "
                         "quer und längs");
    for (std::size_t i = 0; i < table.bounds.size(); ++i)
        if (!(table.bounds[i] >= 0 && std::isfinite(table.bounds[i])) ||
            (i > 0 && !(table.bounds[i] > table.bounds[i - 1])))
            refuse(material, "die Dicken der Mindestradien müssen aufsteigen");
    for (const std::vector<double>* radii : {&table.quer, &table.laengs})
        for (double radius : *radii)
            if (!isPositive(radius))
                refuse(material, "Mindestradius " + shown(radius) + " ist nicht größer als 0");
}

} // namespace

StrengthRange tensileStrength(const Material& material, double thickness)
{
    StrengthRange range;
    for (const StrengthBand& band : material.strength)
        if (band.fromThickness <= thickness || &band == &material.strength.front())
            range = {band.min, band.max};
    return range;
}

std::optional<double> minimumRadius(const Material& material, double thickness,
                                    RollingDirection direction)
{
    const bool along = direction == RollingDirection::Laengs;
    if (const auto* factor = std::get_if<MinimumRadiusFactor>(&material.minimumRadius))
        return (along ? factor->laengs : factor->quer) * thickness;
    if (const auto* table = std::get_if<MinimumRadiusTable>(&material.minimumRadius))
        for (std::size_t i = 0; i + 1 < table->bounds.size(); ++i)
            if (thickness > table->bounds[i] && thickness <= table->bounds[i + 1])
                return (along ? table->laengs : table->quer)[i];
    return std::nullopt;
}

const char* rollingDirectionName(RollingDirection direction)
{
    return direction == RollingDirection::Laengs ? "laengs" : "quer";
}

void checkMaterial(const Material& material)
{
    checkMaterialValues(material);
    for (std::size_t i = 0; i < material.testBends.size(); ++i)
        evaluateTestBendOf(material, i);
}

void checkMaterialValues(const Material& material)
{
    if (material.name.empty())
        throw PressRefusal(PressItem::Material, "Ein Werkstoff braucht einen Namen");
    if (material.strength.empty())
        refuse(material, "die Zugfestigkeit Rm fehlt");
    for (std::size_t i = 0; i < material.strength.size(); ++i) {
        const StrengthBand& band = material.strength[i];
        if (!(band.fromThickness >= 0 && std::isfinite(band.fromThickness)) ||
            (i > 0 && !(band.fromThickness > material.strength[i - 1].fromThickness)))
            refuse(material, "die Dicken der Zugfestigkeit müssen von 0 an aufsteigen");
        if (!isPositive(band.min) || !isPositive(band.max) || band.min > band.max)
            refuse(material, "Zugfestigkeit " + shown(band.min) + "–" + shown(band.max) +
                                 " N/mm²: min und max müssen größer als 0 sein, min nicht über "
                                 "max");
    }
    if (!isPositive(material.radiusFactor) || material.radiusFactor > 10)
        refuse(material, "Radiusfaktor f = " + shown(material.radiusFactor) +
                             ": muss größer als 0 und höchstens 10 sein");
    if (material.density && !(isPositive(*material.density) && *material.density <= 100))
        refuse(material, "Dichte " + shown(*material.density) +
                             " g/cm³: muss größer als 0 und höchstens 100 sein");
    if (const auto* table = std::get_if<MinimumRadiusTable>(&material.minimumRadius))
        checkTable(material, *table);
    if (const auto* factor = std::get_if<MinimumRadiusFactor>(&material.minimumRadius))
        if (!(factor->quer >= 0 && std::isfinite(factor->quer) && factor->laengs >= 0 &&
              std::isfinite(factor->laengs)))
            refuse(material, "der Mindestradius als Faktor von s muss eine Zahl ab 0 sein");
}

TestBendResult evaluateTestBendOf(const Material& material, std::size_t index)
{
    try {
        return evaluateTestBend(material.testBends[index]);
    } catch (const PressRefusal& refusal) {
        refuse(material, "Probebiegung " + std::to_string(index + 1) + ": " + refusal.what());
    }
}

} // namespace kantrix::press
