#include "material.h"

#include "number_text.h"
#include "press_refusal.h"

#include <cmath>
#include <cstdio>

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

// The code point at `at` and the bytes it takes; a byte that starts no sequence counts alone
// (the JSON reader has let only valid UTF-8 through).
std::pair<char32_t, std::size_t> codePoint(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) & 0x3Fu : 0u;
    };
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead >= 0xF0)
        return {((lead & 0x07u) << 18) | (byte(1) << 12) | (byte(2) << 6) | byte(3), 4};
    if (lead >= 0xE0)
        return {((lead & 0x0Fu) << 12) | (byte(1) << 6) | byte(2), 3};
    if (lead >= 0xC0)
        return {((lead & 0x1Fu) << 6) | byte(1), 2};
    return {lead, 1};
}

bool unreadable(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

std::optional<std::string> materialNameFault(std::string_view name)
{
    std::size_t characters = 0;
    for (std::size_t at = 0; at < name.size();) {
        const auto [c, length] = codePoint(name, at);
        ++characters;
        if (unreadable(c)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(c));
            return "enthält das Steuerzeichen U+" + std::string(hex) + " an Stelle " +
                   std::to_string(characters);
        }
        at += length;
    }
    if (characters > maxMaterialNameLength)
        return "hat " + std::to_string(characters) + " Zeichen, höchstens " +
               std::to_string(maxMaterialNameLength) + " sind erlaubt";
    return std::nullopt;
}

StrengthRange tensileStrength(const Material& material, double thickness)
{
    StrengthRange range;
    for (const StrengthBand& band : material.strength)
        if (band.fromThickness <= thickness || &band == &material.strength.front())
            range = {band.min, band.max};
    return range;
}

bool strengthCovers(const Material& material, double thickness)
{
    return !material.strength.empty() && thickness >= material.strength.front().fromThickness;
}

std::optional<std::pair<double, double>> minimumRadiusTableMisses(const Material& material,
                                                                  double thickness)
{
    const auto* table = std::get_if<MinimumRadiusTable>(&material.minimumRadius);
    if (!table || table->bounds.empty() ||
        (thickness > table->bounds.front() && thickness <= table->bounds.back()))
        return std::nullopt;
    return std::pair{table->bounds.front(), table->bounds.back()};
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
    if (const std::optional<std::string> fault = materialNameFault(material.name))
        throw PressRefusal(PressItem::Material, "Der Name eines Werkstoffs " + *fault);
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
