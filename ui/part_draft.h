#pragma once

// What the profile and the box model share in keeping their draft: a change of the draft as one
// undoable command, and the way a typed text becomes a value. A text that is no number stays as
// typed, so nothing the user typed is lost, and the check words why in German, as it does a
// calculation that does not work out.

#include "profile.h"

#include <QString>
#include <QUndoCommand>

#include <functional>
#include <optional>

namespace kantrix {

class BendError;

// One change of a draft, undone by putting the draft before it back; `apply` puts a draft in
// place in its model.
template <class Draft> class DraftChange : public QUndoCommand
{
public:
    DraftChange(std::function<void(const Draft&)> apply, Draft before, Draft after,
                const QString& description)
        : QUndoCommand(description), m_apply(std::move(apply)), m_before(std::move(before)),
          m_after(std::move(after))
    {}

    void redo() override { m_apply(m_after); }
    void undo() override { m_apply(m_before); }

private:
    std::function<void(const Draft&)> m_apply;
    Draft m_before;
    Draft m_after;
};

// Takes a typed text into a value, either `plain` or `optional`: a number into the value, an empty
// text into an optional value as none; any other text is kept in `typed`, and the value keeps its
// last number. An empty text is kept too for a plain value: it is still missing.
void takeTyped(const QString& text, std::optional<QString>& typed, double* plain,
               std::optional<double>* optional);
// A number as the window takes it: a decimal point or a decimal comma.
std::optional<double> typedNumber(const QString& text);
// "außen", "aussen" or "innen", in any case.
std::optional<profile::Measure> typedMeasure(const QString& text);
// Whether a text is kept as typed: with `noNumber` one that is no number, without it an empty one
// for a value still missing.
bool isKept(const std::optional<QString>& typed, bool noNumber);
// "Länge A fehlt noch." or "Länge A: „x“ ist keine Zahl."
QString typedMessage(const QString& name, const QString& text);
QString calculationFault(const BendError& fault);

} // namespace kantrix
