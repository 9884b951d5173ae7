#include "single_bend.h"

#include "bend_error.h"
#include "correction.h"
#include "exit_status.h"
#include "plain_number.h"
#include "quantity_lines.h"
#include "stored_value.h"

#include <nlohmann/json.hpp>

namespace kantrix::cli {

std::optional<std::string> readAssignments(const std::vector<std::string>& arguments,
                                           TypedBend& bend)
{
    for (const std::string& argument : arguments) {
        const std::size_t equals = argument.find('=');
        const std::optional<std::size_t> index =
            equals == std::string::npos ? std::nullopt
                                        : inputIndex(std::string_view(argument).substr(0, equals));
        if (!index)
            return "Unbekanntes Argument „" + argument +
                   "“: erwartet werden r=…, s=…, beta=…, a=… oder b=… (siehe --help)";
        const std::string value = argument.substr(equals + 1);
        const std::string_view key = inputKeys[*index];
        if (bend.texts[*index])
            return std::string(key) + " ist mehr als einmal angegeben";
        if (!isPlainNumber(value))
            return plainNumberRefusal(key, value);
        bend.texts[*index] = value;
    }
    return std::nullopt;
}

std::string resultJson(const BendCalculation& calculation)
{
    const BendState& state = calculation.form().state();
    nlohmann::ordered_json result = nlohmann::ordered_json::object();
    for (const Quantity& quantity : quantities)
        result[std::string(quantity.key)] = {
            {"text", calculation.fields().text(quantity.field)},
            {"value", storedValue(state, quantity.field)},
        };
    nlohmann::ordered_json corrections = nlohmann::ordered_json::array();
    for (const Correction& correction : calculation.form().corrections())
        corrections.push_back({
            {"field", std::string(keyOf(correction.field))},
            {"typed", correction.typed},
            {"replacement", correction.replacement},
            {"note", correctionNote(correction)},
        });
    result["corrections"] = std::move(corrections);
    return result.dump(2) + '\n';
}

std::string faultText(FaultKind kind)
{
    return "Rechenfehler: " + std::string(faultMessage(kind));
}

int runSingleBend(const std::vector<std::string>& arguments, bool json, std::string& out,
                  std::string& err)
{
    TypedBend bend;
    if (const std::optional<std::string> refusal = readAssignments(arguments, bend)) {
        err += *refusal + '\n';
        return Refused;
    }
    BendCalculation calculation;
    try {
        calculation.calculate(bend.entry());
    } catch (const BendError& error) {
        err += faultText(error.kind()) + '\n';
        return Fault;
    }
    for (const Correction& correction : calculation.form().corrections())
        err += correctionNote(correction) + '\n';
    out += json ? resultJson(calculation) : quantityLines(calculation.fields());
    return Success;
}

} // namespace kantrix::cli
