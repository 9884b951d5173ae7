#pragma once

#include <string_view>

namespace kantrix::cli {

// The German help of the program and of its table and profile commands, with examples.
std::string_view helpText();
std::string_view tableHelpText();
std::string_view profileHelpText();

} // namespace kantrix::cli
