#pragma once

// One bend worked out from typed texts, without a window: the form over fields held in memory,
// driven as a user at the window would drive it. For every face that takes values from
// elsewhere than the keyboard: the command line, its batches and tables.

#include "bend_form.h"
#include "field_set.h"
#include "memory_field_set.h"

#include <array>
#include <optional>
#include <string_view>

namespace kantrix {

// A text for each input field in tab order (r, s, β, a, b); an empty one is not typed.
using BendEntry = std::array<std::optional<std::string_view>, inputFields.size()>;

class BendCalculation
{
public:
    BendCalculation();
    BendCalculation(const BendCalculation&) = delete;
    BendCalculation& operator=(const BendCalculation&) = delete;

    // Starts from the start-up state and tabs once through the input fields: each one is
    // entered, its text replaced by the entry's (if there is one) and left, so its leave rule
    // runs even when nothing was typed. A BendError leaves the rule that raised it and is not
    // caught; the next calculate() starts afresh.
    void calculate(const BendEntry& entry);

    const FieldSet& fields() const { return m_fields; }
    const BendForm& form() const { return m_form; }

private:
    MemoryFieldSet m_fields;
    BendForm m_form{m_fields};
    FormSnapshot m_startUp;
};

} // namespace kantrix
