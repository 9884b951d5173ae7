#include "sheet_content.h"

#include "number_text.h"

namespace kantrix {

std::vector<std::string> bendRangeNotes(const BendState& bend)
{
    std::vector<std::string> notes;
    if (bend.k <= 0) {
        notes.emplace_back("k ≤ 0: Unter r/s ≈ 0.05 liegt die neutrale Faser rechnerisch außerhalb "
                           "des Blechs; die Formel für k beschreibt so kleine Radien nicht mehr.");
    }
    // The same comparison as the formula for k, so that the note and the value agree at r/s = 5.
    if (!(bend.r / bend.s < 5)) {
        notes.emplace_back("k = 1: Ab r/s = 5 ist k fest 1 gesetzt; die Formel für k gilt nur "
                           "darunter.");
    }
    if (bend.beta > 165) {
        notes.emplace_back("β > 165°: DIN 6935 setzt hier v = 0. Das ist nicht angewendet; v ist "
                           "mit der stetigen Formel berechnet.");
    }
    return notes;
}

std::vector<std::string> sheetNotes(const BendForm& form)
{
    std::vector<std::string> notes = bendRangeNotes(form.state());
    for (const Correction& correction : form.corrections())
        notes.push_back(correctionNote(correction));
    return notes;
}

std::string sheetFileName(const BendState& state)
{
    return "Biegung r" + NumberToText(state.r) + " s" + NumberToText(state.s) + " b" +
           NumberToText(state.beta) + ".pdf";
}

} // namespace kantrix
