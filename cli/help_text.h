#pragma once

#include <string_view>

namespace kantrix::cli {

// The German help of the program and of its commands, with examples.
std::string_view helpText();
std::string_view tableHelpText();
std::string_view profileHelpText();
std::string_view boxHelpText();
std::string_view testBendHelpText();
std::string_view materialsHelpText();

} // namespace kantrix::cli
