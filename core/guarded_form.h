#pragma once

// The form's rules made all-or-nothing, as every face runs them: after each completed start-up or
// leave rule the state is kept; a rule that faults is undone, every field and value returns to
// that state, and the fault comes back as a value instead of an exception. An enter rule changes
// only the selection, so there is nothing new to keep after one.

#include "bend_error.h"
#include "bend_form.h"

#include <optional>

namespace kantrix {

class GuardedForm
{
public:
    explicit GuardedForm(FieldSet& fields) : m_form(fields) {}

    std::optional<FaultKind> Form_Load()
    {
        return guarded([this] { m_form.Form_Load(); }, true);
    }
    std::optional<FaultKind> enterField(Field field)
    {
        return guarded([this, field] { m_form.enterField(field); }, false);
    }
    std::optional<FaultKind> leaveField(Field field)
    {
        return guarded([this, field] { m_form.leaveField(field); }, true);
    }

    const BendForm& form() const { return m_form; }

private:
    template <typename Rule> std::optional<FaultKind> guarded(Rule rule, bool keep)
    {
        try {
            rule();
            if (keep)
                m_lastCompleted = m_form.snapshot();
            return std::nullopt;
        } catch (const BendError& error) {
            m_form.restore(m_lastCompleted);
            return error.kind();
        }
    }

    BendForm m_form;
    FormSnapshot m_lastCompleted;
};

} // namespace kantrix
