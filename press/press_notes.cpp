#include "press_notes.h"

#include "bending_force.h"
#include "number_text.h"

namespace kantrix::press {

namespace {

std::string millimetres(double value)
{
    return FormatNumber(value, threeDecimals) + " mm";
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
    return std::string(subject) + ": die Kraft " + FormatNumber(force, forceDecimals) +
           " kN übersteigt die Presse mit " + FormatNumber(limit, forceDecimals) + " kN.";
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
