// The profile page's way into the library: a profile given as the command line's option texts is
// read, worked out and drawn, and a .kprofil file is read back into option texts. Every refusal
// and fault comes back as a value with its German message, so no C++ exception ever crosses into
// JavaScript.

#include "bend_error.h"
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
    case ProfileItem::Lists:
        break;
    }
    return "listen";
}

// An option of the page's object: a text, or absent when the property is undefined or null.
std::optional<std::string> optionOf(const val& options, const char* name)
{
    const val value = options[name];
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    return value.as<std::string>();
}

ProfileOptions optionsOf(const val& options)
{
    ProfileOptions read;
    read.dicke = optionOf(options, "dicke").value_or("");
    read.radius = optionOf(options, "radius").value_or("");
    read.schenkel = optionOf(options, "schenkel").value_or("");
    read.winkel = optionOf(options, "winkel").value_or("");
    read.radien = optionOf(options, "radien");
    read.innen = optionOf(options, "innen");
    read.richtung = optionOf(options, "richtung");
    read.breite = optionOf(options, "breite");
    return read;
}

val objectOf(const ProfileOptions& options)
{
    val object = val::object();
    object.set("dicke", options.dicke);
    object.set("radius", options.radius);
    object.set("schenkel", options.schenkel);
    object.set("winkel", options.winkel);
    const auto put = [&object](const char* name, const std::optional<std::string>& value) {
        if (value)
            object.set(name, *value);
    };
    put("radien", options.radien);
    put("innen", options.innen);
    put("richtung", options.richtung);
    put("breite", options.breite);
    return object;
}

val refusal(const ProfileRefusal& refused)
{
    val answer = val::object();
    answer.set("item", std::string(itemName(refused.item())));
    answer.set("index", static_cast<double>(refused.index()));
    answer.set("message", std::string(refused.what()));
    return answer;
}

// {refusal: {item, index, message}}, {fault: message}, or the profile's answer as JSON with the
// exact options, the file name, the drawings and the files' texts (blank ones null without a
// width).
val calculate(const val& options)
{
    val answer = val::object();
    try {
        const Profile profile = readProfileOptions(optionsOf(options), NumberStyle::PointOrComma);
        const ProfileResult result = computeProfile(profile);
        answer.set("json", answerJson(profile, result));
        answer.set("options", objectOf(profileOptions(profile)));
        answer.set("name", profileBaseName(profile));
        answer.set("file", writeProfileFile(profile));
        answer.set("section", sectionSvg(profile, result));
        if (profile.width) {
            answer.set("blank", blankSvg(profile, result));
            answer.set("dxf", blankDxf(profile, result));
        } else {
            answer.set("blank", val::null());
            answer.set("dxf", val::null());
        }
    } catch (const ProfileRefusal& refused) {
        answer.set("refusal", refusal(refused));
    } catch (const BendError& error) {
        answer.set("fault", "Rechenfehler: " + std::string(faultMessage(error.kind())));
    }
    return answer;
}

// {options} of the file's profile, or {message} naming what is wrong with it.
val readFile(const std::string& text, const std::string& fileName)
{
    val answer = val::object();
    try {
        answer.set("options", objectOf(profileOptions(readProfileFile(text, fileName))));
    } catch (const ProfileFileError& error) {
        answer.set("message", std::string(error.what()));
    }
    return answer;
}

} // namespace

EMSCRIPTEN_BINDINGS(kantrix_profile)
{
    emscripten::function("calculateProfile", &calculate);
    emscripten::function("readProfileFile", &readFile);
}

} // namespace kantrix::profile::web
