// The profile page's way into the library: a profile given as the command line's option texts is
// read, worked out and drawn, and a .kprofil file is read back into option texts. Its materials
// are the built-in ones with the user's materials file, which the page keeps in the browser, and
// the material a link carries. Every refusal and fault comes back as a value with its German
// message, so no C++ exception ever crosses into JavaScript.

#include "bend_error.h"
#include "builtin_values_note.h"
#include "carried_material.h"
#include "die.h"
#include "material_catalog.h"
#include "materials_file.h"
#include "number_text.h"
#include "page_values.h"
#include "press_answer.h"
#include "press_refusal.h"
#include "profile_answer.h"
#include "profile_calculation.h"
#include "profile_drawing.h"
#include "profile_file.h"
#include "profile_options.h"
#include "profile_refusal.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <optional>
#include <string>

namespace kantrix::profile::web {

namespace {

using emscripten::val;
using kantrix::web::carriedFile;
using kantrix::web::catalogOf;
using kantrix::web::objectOf;
using kantrix::web::OptionNames;
using kantrix::web::optionsOf;
using kantrix::web::refusalOf;

const char* itemName(ProfileItem item)
{
    switch (item) {
    case ProfileItem::Thickness:
        return "dicke";
    case ProfileItem::Radius:
        return "radius";
    case ProfileItem::Width:
        return "breite";
    case ProfileItem::LegLength:
        return "schenkel";
    case ProfileItem::LegMeasure:
        return "innen";
    case ProfileItem::BendAngle:
        return "winkel";
    case ProfileItem::BendRadius:
        return "radien";
    case ProfileItem::BendDirection:
        return "richtung";
    case ProfileItem::Material:
        return "werkstoff";
    case ProfileItem::Die:
        return "matrize";
    case ProfileItem::PressLimit:
        return "presse";
    case ProfileItem::RollingDirection:
        return "walzrichtung";
    case ProfileItem::Lists:
        break;
    }
    return "listen";
}

const OptionNames<ProfileOptions> profileNames{{{"dicke", &ProfileOptions::dicke},
                                                {"radius", &ProfileOptions::radius},
                                                {"schenkel", &ProfileOptions::schenkel},
                                                {"winkel", &ProfileOptions::winkel}},
                                               {{"radien", &ProfileOptions::radien},
                                                {"innen", &ProfileOptions::innen},
                                                {"richtung", &ProfileOptions::richtung},
                                                {"breite", &ProfileOptions::breite},
                                                {"werkstoff", &ProfileOptions::werkstoff},
                                                {"matrize", &ProfileOptions::matrize},
                                                {"presse", &ProfileOptions::presse},
                                                {"walzrichtung", &ProfileOptions::walzrichtung}}};

// The legs the library notes as shorter than the least flange of a bend beside them, so that the
// page can mark their fields.
val shortLegs(const ProfileResult& result)
{
    val legs = val::array();
    for (std::size_t i = 0; i < result.legs.size(); ++i)
        if (result.legs[i].leastFlangeNote)
            legs.call<void>("push", static_cast<double>(i));
    return legs;
}

// {refusal: {item, index, message}}, {fault: message}, or the profile's answer as JSON with the
// exact options, the file name and the drawings (the blank null without a width); with a die the
// radius it makes, and the die suggested for the thickness; the material as a materials file where
// a link must carry it (else null), the note where it is a built-in one with other values (else
// null), and the legs too short for the die. `userMaterials` is the user's materials file,
// `carriedMaterials` a link's; either may be empty.
val calculate(const val& options, const std::string& userMaterials,
              const std::string& carriedMaterials)
{
    val answer = val::object();
    try {
        const press::MaterialCatalog catalog = catalogOf(userMaterials, carriedMaterials);
        const Profile profile = readProfileOptions(optionsOf(options, profileNames),
                                                   NumberStyle::PointOrComma, &catalog);
        const ProfileResult result = computeProfile(profile);
        answer.set("json", answerJson(profile, result));
        answer.set("options", objectOf(profileOptions(profile), profileNames));
        answer.set("dieRadius",
                   profile.die ? val(FormatNumber(profile.radius, twoDecimals)) : val::null());
        const std::optional<double> suggested = press::suggestedDie(profile.thickness);
        answer.set("suggestedDie", suggested ? val(exactNumberText(*suggested)) : val::null());
        answer.set("carried", carriedFile(profile.material));
        const std::optional<std::string> note =
            profile.material ? press::builtinValuesNote(*profile.material) : std::nullopt;
        answer.set("materialNote", note ? val(*note) : val::null());
        answer.set("shortLegs", shortLegs(result));
        answer.set("name", profileBaseName(profile));
        answer.set("section", sectionSvg(profile, result));
        answer.set("blank", profile.width ? val(blankSvg(profile, result)) : val::null());
    } catch (const ProfileRefusal& refused) {
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

// {file, dxf}: the .kprofil text and the blank as DXF (null without a width) of the profile of an
// answer's exact options, or {message}; made only when the user asks for them, as on the box page.
val files(const val& options, const std::string& userMaterials, const std::string& carriedMaterials)
{
    val answer = val::object();
    try {
        const press::MaterialCatalog catalog = catalogOf(userMaterials, carriedMaterials);
        const Profile profile = readProfileOptions(optionsOf(options, profileNames),
                                                   NumberStyle::PointOrComma, &catalog);
        answer.set("file", writeProfileFile(profile));
        answer.set("dxf",
                   profile.width ? val(blankDxf(profile, computeProfile(profile))) : val::null());
    } catch (const std::exception& error) {
        answer.set("message", std::string(error.what()));
    }
    return answer;
}

// {materials: [{name, number (or null), origin}], dies: [V texts]} for the page's choices, or
// {message} where the materials cannot be read.
val choices(const std::string& userMaterials, const std::string& carriedMaterials)
{
    val answer = val::object();
    try {
        val materials = val::array();
        for (const press::CatalogEntry& entry : catalogOf(userMaterials, carriedMaterials)) {
            val material = val::object();
            material.set("name", entry.material.name);
            material.set("number",
                         entry.material.number ? val(*entry.material.number) : val::null());
            material.set("origin", std::string(press::originName(entry.origin)));
            materials.call<void>("push", material);
        }
        answer.set("materials", materials);
        val dies = val::array();
        for (double opening : press::dieOpenings)
            dies.call<void>("push", exactNumberText(opening));
        answer.set("dies", dies);
    } catch (const std::exception& error) {
        answer.set("message", std::string(error.what()));
    }
    return answer;
}

// {options, carried} of the file's profile, its material as calculate gives it, or {message}
// naming what is wrong with it.
val readFile(const std::string& text, const std::string& fileName)
{
    val answer = val::object();
    try {
        const Profile profile = readProfileFile(text, fileName);
        answer.set("options", objectOf(profileOptions(profile), profileNames));
        answer.set("carried", carriedFile(profile.material));
    } catch (const ProfileFileError& error) {
        answer.set("message", std::string(error.what()));
    }
    return answer;
}

} // namespace

EMSCRIPTEN_BINDINGS(kantrix_profile)
{
    emscripten::function("calculateProfile", &calculate);
    emscripten::function("profileFiles", &files);
    emscripten::function("readProfileFile", &readFile);
    emscripten::function("profileChoices", &choices);
}

} // namespace kantrix::profile::web
