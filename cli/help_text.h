#pragma once

#include <string_view>

namespace kantrix::cli {

// The German help of the program and of its table command, with examples.
std::string_view helpText();
std::string_view tableHelpText();

} // namespace kantrix::cli
