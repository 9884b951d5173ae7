#include "bend_calculation.h"

namespace kantrix {

BendCalculation::BendCalculation()
{
    m_form.Form_Load();
    m_startUp = m_form.snapshot();
}

void BendCalculation::calculate(const BendEntry& entry)
{
    // The snapshot holds every text, the state and the standing corrections of the start-up, so
    // restoring it is the same as loading the form again, at a fraction of the cost.
    m_form.restore(m_startUp);
    for (std::size_t i = 0; i < inputFields.size(); ++i) {
        const Field field = inputFields[i];
        m_form.enterField(field);
        if (entry[i])
            m_fields.setText(field, *entry[i]);
        m_form.leaveField(field);
    }
}

} // namespace kantrix
