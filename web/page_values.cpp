#include "page_values.h"

namespace kantrix::web {

using emscripten::val;

std::optional<std::string> optionOf(const val& options, const char* name)
{
    const val value = options[name];
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    return value.as<std::string>();
}

val refusalOf(const char* item, std::size_t index, const std::string& message)
{
    val answer = val::object();
    answer.set("item", std::string(item));
    answer.set("index", static_cast<double>(index));
    answer.set("message", message);
    return answer;
}

} // namespace kantrix::web
