#pragma once

// A box in the words of the command line, `kantrix-cli kasten`'s options, which a page's link can
// hold as well: "dicke=1.5&radius=1.5&laenge=300&breite=200&hoehe=50". Lists are separated by "/"
// as for a profile.

#include "box.h"
#include "material_catalog.h"
#include "plain_number.h"

#include <optional>
#include <string>

namespace kantrix::box {

struct BoxOptions
{
    std::string dicke;
    std::string radius; // empty with a die
    std::string laenge; // A
    std::string breite; // B
    // H of the walls vorne/rechts/hinten/links, an empty item for no wall; one value for all four.
    std::string hoehe;
    std::optional<std::string> innen;       // any of "laenge", "breite", "hoehe", "/"-separated
    std::optional<std::string> ecken;       // "offen", "stumpf"
    std::optional<std::string> durchgehend; // "vorne-hinten", "links-rechts"
    std::optional<std::string> spalt;       // g
    std::optional<std::string> freistich;   // "eckig", "rund:D"
    std::optional<std::string> werkstoff;
    std::optional<std::string> matrize;
    std::optional<std::string> presse;
    std::optional<std::string> walzrichtung;

    bool operator==(const BoxOptions&) const = default;
};

// The box the options describe, checked by checkBox, its material from `catalog` (the built-in
// materials where none is given). Refuses (BoxRefusal, naming the option) a value that is not a
// number, a list of heights of another length, an unknown word, an unknown material and every
// refusal of checkBox.
Box readBoxOptions(const BoxOptions& options, NumberStyle style = NumberStyle::Plain,
                   const press::MaterialCatalog* catalog = nullptr);

// The options that read back to the same box, bit for bit, where its walls share one measure
// (the options have one for all); the material by its name.
BoxOptions boxOptions(const Box& box);

} // namespace kantrix::box
