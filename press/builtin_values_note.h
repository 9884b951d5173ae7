#pragma once

// A material that bears a built-in one's name may come with values of its own: from the user's
// materials file, a link or a part's file. Where it does, every face says so in these words, so
// that nobody takes its results for those of the material as Kantrix knows it.

#include "material.h"

#include <optional>
#include <string>

namespace kantrix::press {

// The note naming the values (not the test bends) in which `material` differs from the built-in
// one of its name; none where there is no built-in one of that name or the values are its.
std::optional<std::string> builtinValuesNote(const Material& material);

} // namespace kantrix::press
