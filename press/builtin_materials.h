#pragma once

// The materials Kantrix knows without the user's file.

#include "material.h"

#include <vector>

namespace kantrix::press {

const std::vector<Material>& builtinMaterials();

} // namespace kantrix::press
