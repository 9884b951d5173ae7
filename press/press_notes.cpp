#include "press_notes.h"

#include "bending_force.h"
#include "number_text.h"

namespace kantrix::press {

namespace {

std::string millimetres(double value)
{
    return FormatNumber(value, threeDecimals) + " mm";
}

std::string decimals(int count)
{
    return "# ##0." + std::string(static_cast<std::size_t>(count), '0');
}

// The limit as it was given: one decimal as forces have, more where it has them.
std::string givenLimit(double limit)
{
    const std::string full = FormatNumber(limit, decimals(6));
    int count = 1;
    while (count < 6 && FormatNumber(limit, decimals(count)) +
                                std::string(static_cast<std::size_t>(6 - count), '0') !=
                            full)
        ++count;
    return FormatNumber(limit, decimals(count));
}

} // namespace

std::string dieName(double opening)
{
    return "V " + NumberToText(opening);
}

std::string subjectNote(std::string_view subject, std::string_view note)
{
    return std::string(subject) + ": " + std::string(note);
}

std::string testBendsNote(std::size_t testBends, std::string_view material)
{
    return "k aus " + std::to_string(testBends) + " Probebiegung" + (testBends == 1 ? "" : "en") +
           " (" + std::string(material) + ").";
}

std::string dieRangeNote(double opening, double thickness, std::optional<double> suggested)
{
    return "Die Matrize " + dieName(opening) + " liegt außerhalb von 6 · s … 12 · s (" +
           FormatNumber(6 * thickness, threeDecimals) + " … " + millimetres(12 * thickness) + ")" +
           (suggested ? "; empfohlen ist " + dieName(*suggested) : std::string()) + ".";
}

std::string forceEstimateNote()
{
    return "Die Kraft ist eine Schätzung: die Formel gilt für Stahl mit 0.5 ≤ s ≤ 10 mm und "
           "5 ≤ V/s ≤ 20.";
}

std::string pressUncheckedNote(bool needsWidth)
{
    return needsWidth ? "Die Presse wird nicht geprüft: die Kraft einer Biegung braucht die "
                        "Breite W."
                      : "Die Presse wird nicht geprüft: die Kraft braucht einen Werkstoff und "
                        "eine Matrize.";
}

std::string pressLimitNote(std::string_view subject, double force, double limit)
{
    // Two equal numbers would say nothing: the force gets decimals until it differs.
    int count = 1;
    while (count < 3 &&
           FormatNumber(force, decimals(count)) == FormatNumber(limit, decimals(count)))
        ++count;
    return std::string(subject) + ": die Kraft " + FormatNumber(force, decimals(count)) +
           " kN übersteigt die Presse mit " + givenLimit(limit) + " kN.";
}

std::string strengthEstimateNote(std::string_view material, double from, double thickness)
{
    return "Die Kraft ist eine Schätzung: " + std::string(material) +
           " gibt die Zugfestigkeit Rm erst ab s = " + NumberToText(from) +
           " mm an, das Blech hat s = " + FormatNumber(thickness, twoDecimals) + " mm.";
}

std::string minimumRadiusUnknownNote(std::string_view material, double from, double to,
                                     double thickness)
{
    return "Der Mindestradius wird nicht geprüft: " + std::string(material) + " gibt ihn für " +
           NumberToText(from) + " < s ≤ " + NumberToText(to) +
           " mm an, das Blech hat s = " + FormatNumber(thickness, twoDecimals) + " mm.";
}

std::string partMaterialNote(std::string_view material, bool userData)
{
    return userData ? "Die eigenen Daten von " + std::string(material) +
                          " weichen von denen des Profils ab (andere Werte oder Probebiegungen); "
                          "„Werkstoff aktualisieren“ übernimmt sie."
                    : "Das Profil bringt eigene Daten von " + std::string(material) +
                          " mit (andere Werte oder Probebiegungen als die eingebauten); "
                          "„Werkstoff aktualisieren“ nimmt die eingebauten.";
}

std::string setAngleUncoveredNote(std::string_view subject)
{
    return std::string(subject) +
           ": die Probebiegungen decken diese Biegung nicht ab; ihre Rückfederung gibt keinen "
           "Einstellwinkel zwischen 0° und 180°.";
}

std::string minimumRadiusNote(std::string_view subject, double radius, double minimum,
                              std::string_view material, double thickness, RollingDirection rolling)
{
    return std::string(subject) + ": r = " + FormatNumber(radius, twoDecimals) +
           " mm liegt unter dem Mindestradius " + FormatNumber(minimum, twoDecimals) + " mm von " +
           std::string(material) + " bei s = " + FormatNumber(thickness, twoDecimals) + " mm " +
           (rolling == RollingDirection::Laengs ? "längs" : "quer") +
           " zur Walzrichtung: die Biegung kann reißen.";
}

std::string leastFlangeNote(std::string_view subject, double leastFlange, std::string_view bend,
                            double opening)
{
    return std::string(subject) + " ist kürzer als der kleinste Schenkel " +
           millimetres(leastFlange) + (bend.empty() ? "" : " an " + std::string(bend)) +
           " (Matrize " + dieName(opening) + ").";
}

std::string cornerGapNote(std::string_view subject, bool several, double gap,
                          std::string_view through)
{
    return std::string(subject) + (several ? " enden" : " endet") +
           " an den stumpfen Ecken mit dem Spalt g = " + millimetres(gap) +
           " vor den durchlaufenden Wänden (" + std::string(through) + ")" +
           (gap > 0 ? "."
                    : std::string("; ohne Spalt ") + (several ? "streifen sie" : "streift sie") +
                          " diese beim Biegen.");
}

std::string shortLegNote(std::string_view subject, double minimum, std::string_view bend)
{
    return std::string(subject) + " ist kürzer als 4 · r = " + millimetres(minimum) + " von " +
           std::string(bend) + ", der kleinsten Schenkellänge für eine Biegung";
}

} // namespace kantrix::press
