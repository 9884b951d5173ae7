// The box page's way into the library: a box given as the command line's option texts is read,
// worked out and drawn, and a .kkasten file is read back into option texts. Its materials are
// those of the profile page (carried_material.h). Every refusal and fault comes back as a value
// with its German message, so no C++ exception ever crosses into JavaScript.

#include "bend_error.h"
#include "box_answer.h"
#include "box_calculation.h"
#include "box_drawing.h"
#include "box_file.h"
#include "box_options.h"
#include "box_refusal.h"
#include "builtin_values_note.h"
#include "carried_material.h"
#include "die.h"
#include "materials_file.h"
#include "number_text.h"
#include "page_values.h"
#include "press_refusal.h"
#include "profile_options.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <optional>
#include <string>

namespace kantrix::box::web {

namespace {

using emscripten::val;
using kantrix::web::carriedFile;
using kantrix::web::catalogOf;
using kantrix::web::objectOf;
using kantrix::web::OptionNames;
using kantrix::web::optionsOf;
using kantrix::web::refusalOf;

// The page's name of the field a refusal is about: the command line's option.
const char* itemName(BoxItem item)
{
    switch (item) {
    case BoxItem::Thickness:
        return "dicke";
    case BoxItem::Radius:
        return "radius";
    case BoxItem::Length:
        return "laenge";
    case BoxItem::Width:
        return "breite";
    case BoxItem::Height:
        return "hoehe";
    case BoxItem::Walls:
        return "waende";
    case BoxItem::Measure:
        return "innen";
    case BoxItem::Corners:
        return "ecken";
    case BoxItem::Through:
        return "durchgehend";
    case BoxItem::Gap:
        return "spalt";
    case BoxItem::Relief:
        return "freistich";
    case BoxItem::Material:
        return "werkstoff";
    case BoxItem::Die:
        return "matrize";
    case BoxItem::PressLimit:
        return "presse";
    case BoxItem::RollingDirection:
        return "walzrichtung";
    }
    return "waende";
}

const OptionNames<BoxOptions> boxNames{{{"dicke", &BoxOptions::dicke},
                                        {"radius", &BoxOptions::radius},
                                        {"laenge", &BoxOptions::laenge},
                                        {"breite", &BoxOptions::breite},
                                        {"hoehe", &BoxOptions::hoehe}},
                                       {{"innen", &BoxOptions::innen},
                                        {"ecken", &BoxOptions::ecken},
                                        {"durchgehend", &BoxOptions::durchgehend},
                                        {"spalt", &BoxOptions::spalt},
                                        {"freistich", &BoxOptions::freistich},
                                        {"werkstoff", &BoxOptions::werkstoff},
                                        {"matrize", &BoxOptions::matrize},
                                        {"presse", &BoxOptions::presse},
                                        {"walzrichtung", &BoxOptions::walzrichtung}}};

// The walls too low for the die, by name ("vorne"), for the page to mark their fields.
val shortWalls(const Box& box, const BoxResult& result)
{
    val walls = val::array();
    for (Side side : allSides)
        if (result.wall(side) && shortOfLeastFlange(box, *result.wall(side)))
            walls.call<void>("push", std::string(sideName(side)));
    return walls;
}

// {refusal: {item, index, message}}, {fault: message}, or the box's answer as JSON with the exact
// options, the file name, the blank and the folded box as SVG; with a die the radius it makes,
// and the die suggested for the thickness; the material as a materials file where a link must
// carry it (else null), the note where it is a built-in one with other values (else null), and
// the walls too low for the die. `userMaterials` is the user's materials file, `carriedMaterials`
// a link's; either may be empty.
val calculate(const val& options, const std::string& userMaterials,
              const std::string& carriedMaterials)
{
    val answer = val::object();
    try {
        const press::MaterialCatalog catalog = catalogOf(userMaterials, carriedMaterials);
        const Box box =
            readBoxOptions(optionsOf(options, boxNames), NumberStyle::PointOrComma, &catalog);
        const BoxResult result = computeBox(box);
        answer.set("json", answerJson(box, result));
        answer.set("options", objectOf(boxOptions(box), boxNames));
        answer.set("dieRadius", box.die ? val(FormatNumber(box.radius, twoDecimals)) : val::null());
        const std::optional<double> suggested = press::suggestedDie(box.thickness);
        answer.set("suggestedDie",
                   suggested ? val(profile::exactNumberText(*suggested)) : val::null());
        answer.set("carried", carriedFile(box.material));
        const std::optional<std::string> note =
            box.material ? press::builtinValuesNote(*box.material) : std::nullopt;
        answer.set("materialNote", note ? val(*note) : val::null());
        answer.set("shortWalls", shortWalls(box, result));
        answer.set("name", boxBaseName(box));
        answer.set("blank", blankSvg(box, result));
        answer.set("folded", foldedSvg(box, result));
    } catch (const BoxRefusal& refused) {
        answer.set("refusal", refusalOf(itemName(refused.item()), refused.index(), refused.what()));
    } catch (const press::MaterialsFileError& error) {
        answer.set("refusal", refusalOf("werkstoff", 0, error.what()));
    } catch (const press::PressRefusal& refused) {
        answer.set("refusal", refusalOf("werkstoff", 0, refused.what()));
    } catch (const BendError& error) {
        answer.set("fault", "Rechenfehler: " + std::string(faultMessage(error.kind())));
    }
    return answer;
}

// {file, dxf}: the .kkasten text and the blank as DXF of the box of an answer's exact options, or
// {message}. They are made only when the user asks for them: most boxes on the page are never
// downloaded, and making them with every calculation delayed the page's first results.
val files(const val& options, const std::string& userMaterials, const std::string& carriedMaterials)
{
    val answer = val::object();
    try {
        const press::MaterialCatalog catalog = catalogOf(userMaterials, carriedMaterials);
        const Box box =
            readBoxOptions(optionsOf(options, boxNames), NumberStyle::PointOrComma, &catalog);
        answer.set("file", writeBoxFile(box));
        answer.set("dxf", blankDxf(box, computeBox(box)));
    } catch (const std::exception& error) {
        answer.set("message", std::string(error.what()));
    }
    return answer;
}

// True where the walls' heights are measured some outside and some inside: the page, like the
// command line's options, has one measure for all of them.
bool mixedMeasures(const Box& box)
{
    std::optional<Measure> seen;
    for (const std::optional<Wall>& wall : box.walls) {
        if (wall && seen && *seen != wall->measure)
            return true;
        if (wall)
            seen = wall->measure;
    }
    return false;
}

// {options, carried} of the file's box, its material as calculate gives it, or {message} naming
// what is wrong with it. A box the page's entry cannot hold is refused rather than shown changed.
val readFile(const std::string& text, const std::string& fileName)
{
    val answer = val::object();
    try {
        const Box box = readBoxFile(text, fileName);
        if (mixedMeasures(box)) {
            answer.set("message", "Die Kastendatei „" + fileName +
                                      "“ wird hier nicht geöffnet: sie misst die Höhen ihrer "
                                      "Wände teils außen, teils innen, die Seite alle gleich");
            return answer;
        }
        answer.set("options", objectOf(boxOptions(box), boxNames));
        answer.set("carried", carriedFile(box.material));
    } catch (const BoxFileError& error) {
        answer.set("message", std::string(error.what()));
    }
    return answer;
}

} // namespace

EMSCRIPTEN_BINDINGS(kantrix_box)
{
    emscripten::function("calculateBox", &calculate);
    emscripten::function("boxFiles", &files);
    emscripten::function("readBoxFile", &readFile);
}

} // namespace kantrix::box::web
