#pragma once

// The section of a profile as SVG, behind sectionSvg: the sheet's outline from the straight parts
// and the arcs of the bends, the measures of the legs and the labels of the bends.

#include "profile.h"
#include "profile_calculation.h"

#include <string>

namespace kantrix::profile {

// For a profile that checkProfile passed and its result; a `textHeight` of 0 lets the drawing
// choose it.
std::string drawSection(const Profile& profile, const ProfileResult& result, double textHeight);

} // namespace kantrix::profile
