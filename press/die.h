#pragma once

// Air bending in a V die: the opening V decides the inside radius, the shortest leg that does
// not slip into the opening, and with the thickness which opening to take.

#include <array>
#include <optional>

namespace kantrix::press {

// Inside radius / die opening where no material is named: mild steel's.
inline constexpr double defaultRadiusFactor = 0.16;

// The openings of the common die sets, in mm.
inline constexpr std::array<double, 19> dieOpenings = {4,  6,  8,  10, 12,  16,  20,  24,  30, 35,
                                                       40, 50, 60, 80, 100, 125, 160, 200, 250};

// The inside radius an air bend makes: f x V.
double dieRadius(double radiusFactor, double opening);

// The smallest opening of the list at or above 8 s; none above 250.
std::optional<double> suggestedDie(double thickness);

// Refuses (PressRefusal, PressItem::Die) an opening that is not above 0 or narrower than 2 s,
// where the sheet cannot rest on both shoulders and the force and k lose their meaning.
void checkDie(double opening, double thickness);

// Whether V lies within the usual 6 s ... 12 s.
bool dieFitsThickness(double opening, double thickness);

// The shortest leg beside a bend of opening angle beta that still rests on both shoulders of
// the die: V / (2 sin(beta / 2)).
double leastFlange(double opening, double beta);

} // namespace kantrix::press
