#pragma once

// A command's option that takes one value, as given: its text and whether it was given at all.
// The value is taken as it stands even where it begins with "-", as in --richtung -/+.

#include <optional>
#include <string>

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace kantrix::cli {

struct OptionValue
{
    std::string text;
    const CLI::Option* option = nullptr;

    // Adds the option `name` ("-s,--dicke") to `command`, filling this value when it parses.
    void addTo(CLI::App& command, const char* name);

    bool given() const;
    std::optional<std::string> optional() const;
};

} // namespace kantrix::cli
