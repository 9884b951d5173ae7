#pragma once

// The logic of the one window, free of any widget: it owns the bend state, works on the fields
// through a FieldSet, and holds the start-up, the rules that run when an input field gains or
// loses the focus, and the recalculation that every leave rule ends in.
//
// A fault raises BendError out of the running rule and is not caught here; the fields and the
// state are then half-written. Take a snapshot() before a rule and restore() it on a fault to
// make the rule all-or-nothing.

#include "bend_state.h"
#include "correction.h"
#include "field_set.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kantrix {

// The correction in force for each input field, in tab order: set when the field's leave rule
// replaces its text, cleared when the field is next left without a replacement.
using Corrections = std::array<std::optional<Correction>, inputFields.size()>;

struct FormSnapshot
{
    BendState state;
    std::array<std::string, fieldCount> texts;
    OleColor vBackColor = 0;
    Corrections corrections;

    bool operator==(const FormSnapshot&) const = default;
};

class BendForm
{
public:
    explicit BendForm(FieldSet& fields) : m_fields(fields) {}

    // Start-up: default texts and bend, then the radius rule and with it the first recalculation.
    void Form_Load();

    // Enter rules: select the whole text so that the next keystroke replaces it.
    void Txt_Radius_GotFocus() { selectAll(Field::Txt_Radius); }
    void Txt_Dicke_GotFocus() { selectAll(Field::Txt_Dicke); }
    void Txt_Beta_GotFocus() { selectAll(Field::Txt_Beta); }
    void Txt_l_GotFocus(std::int16_t index) { selectAll(Txt_l(index)); }

    // Leave rules: correct an out-of-range text in the field, store the parse of the field's
    // final text, recalculate.
    void Txt_Radius_LostFocus();
    void Txt_Dicke_LostFocus();
    void Txt_Beta_LostFocus();
    void Txt_l_LostFocus(std::int16_t index);

    // The enter or leave rule of an input field, by field; a result field has none.
    void enterField(Field field);
    void leaveField(Field field);

    // Runs the formulas and rewrites every result field and the numeric input fields.
    void Berechnung();

    // The corrections that stand for the bend shown, in tab order.
    std::vector<Correction> corrections() const;

    const BendState& state() const { return m_state; }
    BendState& state() { return m_state; }

    FormSnapshot snapshot() const;
    void restore(const FormSnapshot& snapshot);

private:
    void selectAll(Field field);
    // Stores the parse of the field's text, replacing it first by `replacement` when it reads
    // as zero or less. Radius and thickness share it.
    double positiveValue(Field field, std::string_view replacement);
    // Replaces the field's text and records why.
    void correct(Field field, CorrectionRule rule, std::string typed, std::string replacement);
    std::optional<Correction>& correctionOf(Field field);

    FieldSet& m_fields;
    BendState m_state;
    Corrections m_corrections;
};

} // namespace kantrix
