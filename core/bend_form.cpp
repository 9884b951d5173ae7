#include "bend_form.h"

#include "bend_error.h"
#include "bend_formulas.h"
#include "finite_check.h"
#include "number_text.h"

namespace kantrix {

namespace {

// The text left in a radius or thickness field that reads as zero or less. A fixed literal,
// not a lower limit: a smaller positive value is kept as typed.
constexpr std::string_view smallestPositiveText = "0.00001";

} // namespace

void BendForm::Form_Load()
{
    m_fields.setText(Field::Txt_Radius, NumberToText(2));
    m_fields.setText(Field::Txt_Dicke, NumberToText(2));
    m_fields.setText(Field::Txt_Alpha, NumberToText(90));
    m_fields.setText(Field::Txt_Beta, NumberToText(90));
    m_fields.setText(Field::Txt_k, NumberToText(0));
    m_fields.setText(Field::Txt_n, NumberToText(0));
    m_fields.setText(Field::Txt_v, NumberToText(0));
    m_fields.setText(Field::Txt_z, NumberToText(0));
    m_fields.setText(Txt_l(1), NumberToText(100));
    m_fields.setText(Txt_l(2), NumberToText(100));

    m_state.r = 2;
    m_state.s = 2;
    m_state.alpha = 90;
    m_state.beta = 90;
    m_state.k = 0;
    m_state.n = 0;
    m_state.v = 0;
    m_state.z = 0;
    m_state.l(1) = 100;
    m_state.l(2) = 100;
    m_corrections = {};

    Txt_Radius_LostFocus();
}

void BendForm::Txt_Radius_LostFocus()
{
    m_state.r = positiveValue(Field::Txt_Radius, smallestPositiveText);
    Berechnung();
}

void BendForm::Txt_Dicke_LostFocus()
{
    m_state.s = positiveValue(Field::Txt_Dicke, smallestPositiveText);
    Berechnung();
}

void BendForm::Txt_Beta_LostFocus()
{
    const Field field = Field::Txt_Beta;
    correctionOf(field).reset();
    std::string typed = m_fields.text(field);
    if (!(ParseNumber(typed) > 0))
        correct(field, CorrectionRule::AngleNotPositive, typed, NumberToText(1));
    if (ParseNumber(m_fields.text(field)) >= 180)
        correct(field, CorrectionRule::AngleTooLarge, std::move(typed), NumberToText(179));
    m_state.beta = ParseNumber(m_fields.text(field));
    checkFinite(m_state.beta);
    m_state.alpha = 180 - m_state.beta;
    checkFinite(m_state.alpha);
    Berechnung();
}

void BendForm::Txt_l_LostFocus(std::int16_t index)
{
    const Field field = Txt_l(index);
    correctionOf(field).reset();
    std::string typed = m_fields.text(field);
    const double x = ParseNumber(typed);
    const double minimum = m_state.r * 4;
    checkFinite(minimum);
    if (minimum > x)
        correct(field, CorrectionRule::BelowMinimumLength, std::move(typed),
                NumberToText(m_state.r * 4));
    const std::string finalText = m_fields.text(field);
    double& length = m_state.l(index);
    length = ParseNumber(finalText);
    checkFinite(length);
    Berechnung();
}

void BendForm::enterField(Field field)
{
    switch (field) {
    case Field::Txt_Radius:
        return Txt_Radius_GotFocus();
    case Field::Txt_Dicke:
        return Txt_Dicke_GotFocus();
    case Field::Txt_Beta:
        return Txt_Beta_GotFocus();
    case Field::Txt_l1:
        return Txt_l_GotFocus(1);
    case Field::Txt_l2:
        return Txt_l_GotFocus(2);
    default:
        return;
    }
}

void BendForm::leaveField(Field field)
{
    switch (field) {
    case Field::Txt_Radius:
        return Txt_Radius_LostFocus();
    case Field::Txt_Dicke:
        return Txt_Dicke_LostFocus();
    case Field::Txt_Beta:
        return Txt_Beta_LostFocus();
    case Field::Txt_l1:
        return Txt_l_LostFocus(1);
    case Field::Txt_l2:
        return Txt_l_LostFocus(2);
    default:
        return;
    }
}

void BendForm::Berechnung()
{
    k_wert(m_state);
    v_wert(m_state);
    derivedLengths(m_state);

    m_fields.setText(Txt_l(3), FormatNumber(m_state.l(3), threeDecimals));
    m_fields.setText(Txt_l(4), FormatNumber(m_state.l(4), threeDecimals));
    m_fields.setText(Txt_l(5), FormatNumber(m_state.l(5), threeDecimals));

    m_fields.setText(Field::Txt_Radius, FormatNumber(m_state.r, twoDecimals));
    m_fields.setText(Field::Txt_Dicke, FormatNumber(m_state.s, twoDecimals));
    m_fields.setText(Field::Txt_Beta, FormatNumber(m_state.beta, twoDecimals));
    m_fields.setText(Field::Txt_Alpha, FormatNumber(m_state.alpha, twoDecimals));

    m_fields.setText(Field::Txt_k, FormatNumber(m_state.k, threeDecimals));
    m_fields.setText(Field::Txt_n, FormatNumber(m_state.n, threeDecimals));
    m_fields.setText(Field::Txt_z, FormatNumber(m_state.z, threeDecimals));
    m_fields.setText(Field::Txt_v, FormatNumber(m_state.v, threeDecimals));

    m_fields.setBackColor(Field::Txt_v, m_state.v < 0 ? lightOrange : lightGreen);
}

std::vector<Correction> BendForm::corrections() const
{
    std::vector<Correction> standing;
    for (const std::optional<Correction>& correction : m_corrections)
        if (correction)
            standing.push_back(*correction);
    return standing;
}

FormSnapshot BendForm::snapshot() const
{
    FormSnapshot snapshot{m_state, {}, m_fields.backColor(Field::Txt_v), m_corrections};
    for (Field field : allFields)
        snapshot.texts[static_cast<std::size_t>(field)] = m_fields.text(field);
    return snapshot;
}

void BendForm::restore(const FormSnapshot& snapshot)
{
    m_state = snapshot.state;
    m_corrections = snapshot.corrections;
    for (Field field : allFields)
        m_fields.setText(field, snapshot.texts[static_cast<std::size_t>(field)]);
    m_fields.setBackColor(Field::Txt_v, snapshot.vBackColor);
}

void BendForm::selectAll(Field field)
{
    m_fields.setSelectionStart(field, 0);
    m_fields.setSelectionLength(field, static_cast<int>(characterCount(m_fields.text(field))));
}

double BendForm::positiveValue(Field field, std::string_view replacement)
{
    correctionOf(field).reset();
    std::string typed = m_fields.text(field);
    if (!(ParseNumber(typed) > 0))
        correct(field, CorrectionRule::NotPositive, std::move(typed), std::string(replacement));
    const double value = ParseNumber(m_fields.text(field));
    checkFinite(value);
    return value;
}

void BendForm::correct(Field field, CorrectionRule rule, std::string typed, std::string replacement)
{
    m_fields.setText(field, replacement);
    correctionOf(field) = Correction{field, rule, std::move(typed), std::move(replacement)};
}

std::optional<Correction>& BendForm::correctionOf(Field field)
{
    for (std::size_t i = 0; i < inputFields.size(); ++i)
        if (inputFields[i] == field)
            return m_corrections[i];
    throw BendError(FaultKind::SubscriptOutOfRange);
}

} // namespace kantrix
