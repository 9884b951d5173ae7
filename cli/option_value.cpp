#include "option_value.h"

#include <CLI/CLI.hpp>

namespace kantrix::cli {

void OptionValue::addTo(CLI::App& command, const char* name)
{
    option = command.add_option(name, text)->allow_extra_args(false);
}

bool OptionValue::given() const
{
    return option && option->count() > 0;
}

std::optional<std::string> OptionValue::optional() const
{
    return given() ? std::optional<std::string>(text) : std::nullopt;
}

} // namespace kantrix::cli
