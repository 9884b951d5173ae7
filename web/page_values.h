#pragma once

// What the profile's, the box's and the test bend's bindings read from the page and give back to
// it alike: an option's text of the page's object, a part's options by their names, and a refusal
// shown at the field it names.

#include <cstddef>
#include <emscripten/val.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kantrix::web {

// An option of the page's object: a text, or absent when the property is undefined or null.
std::optional<std::string> optionOf(const emscripten::val& options, const char* name);

// A part's options by the command line's names: those the page always gives (an empty text where
// the field is empty) and those it may leave out.
template <class Options> struct OptionNames
{
    std::vector<std::pair<const char*, std::string Options::*>> given;
    std::vector<std::pair<const char*, std::optional<std::string> Options::*>> optional;
};

template <class Options>
Options optionsOf(const emscripten::val& object, const OptionNames<Options>& names)
{
    Options read;
    for (const auto& [name, field] : names.given)
        read.*field = optionOf(object, name).value_or("");
    for (const auto& [name, field] : names.optional)
        read.*field = optionOf(object, name);
    return read;
}

// The options as the page's object, in the order of their names; an absent one is left out.
template <class Options>
emscripten::val objectOf(const Options& options, const OptionNames<Options>& names)
{
    emscripten::val object = emscripten::val::object();
    for (const auto& [name, field] : names.given)
        object.set(name, options.*field);
    for (const auto& [name, field] : names.optional)
        if (options.*field)
            object.set(name, *(options.*field));
    return object;
}

// {item, index, message}: the command line's name of the option refused, the place in its list
// (0 for an option of one value), and the German message.
emscripten::val refusalOf(const char* item, std::size_t index, const std::string& message);

} // namespace kantrix::web
