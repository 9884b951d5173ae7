#pragma once

// What the profile's, the box's and the test bend's bindings read from the page and give back to
// it alike: an option's text of the page's object, and a refusal shown at the field it names.

#include <cstddef>
#include <emscripten/val.h>
#include <optional>
#include <string>

namespace kantrix::web {

// An option of the page's object: a text, or absent when the property is undefined or null.
std::optional<std::string> optionOf(const emscripten::val& options, const char* name);

// {item, index, message}: the command line's name of the option refused, the place in its list
// (0 for an option of one value), and the German message.
emscripten::val refusalOf(const char* item, std::size_t index, const std::string& message);

} // namespace kantrix::web
