// The profile page's way into the press brake's library: a test bend typed in the page's form,
// worked out live and added to the user's materials file, and a materials file merged in. The
// page keeps that file in the browser as the library writes it; every refusal comes back as a
// value with its German message and the field it is about.

#include "bend_error.h"
#include "input_limit.h"
#include "material_catalog.h"
#include "materials_file.h"
#include "materials_merge.h"
#include "page_values.h"
#include "press_answer.h"
#include "press_refusal.h"
#include "test_bend_options.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <new>
#include <optional>
#include <string>

namespace kantrix::press::web {

namespace {

using emscripten::val;
using kantrix::web::optionOf;

// The name of the form's field a refusal is about, as the command line names its option.
const char* fieldName(PressItem item)
{
    switch (item) {
    case PressItem::Material:
        return "werkstoff";
    case PressItem::Thickness:
        return "dicke";
    case PressItem::Radius:
        return "radius";
    case PressItem::Die:
        return "matrize";
    case PressItem::Angle:
        return "winkel";
    case PressItem::SetAngle:
        return "winkelEingestellt";
    case PressItem::CutLength:
        return "zuschnitt";
    case PressItem::Legs:
        return "schenkel";
    case PressItem::PressLimit:
    case PressItem::RollingDirection:
    case PressItem::TestBend:
        break;
    }
    return "probebiegung";
}

TestBendOptions optionsOf(const val& options)
{
    return {optionOf(options, "werkstoff").value_or(""),
            optionOf(options, "dicke").value_or(""),
            optionOf(options, "radius"),
            optionOf(options, "matrize"),
            optionOf(options, "winkel").value_or(""),
            optionOf(options, "winkelEingestellt"),
            optionOf(options, "zuschnitt").value_or(""),
            optionOf(options, "schenkel").value_or("")};
}

MaterialsFile fileOf(const std::string& text)
{
    return text.empty() ? MaterialsFile{} : readMaterialsFile(text, materialsFileName);
}

val refusal(const char* item, const std::string& message)
{
    val answer = val::object();
    val refused = val::object();
    refused.set("item", std::string(item));
    refused.set("message", message);
    answer.set("refusal", refused);
    return answer;
}

// The test bend of the form's texts (the command line's names) worked out with the materials of
// the user's file: {json} as `kantrix-cli probebiegung --json` gives it, and with `add` also
// {materials}, the user's file with the test bend added; or {refusal: {item, message}}.
// How the answers name the browser's store of the user's materials file.
constexpr const char* browserMaterials = "Werkstoffe dieses Browsers";

val testBend(const val& options, const std::string& userMaterials, bool add)
{
    try {
        const MaterialsFile file = fileOf(userMaterials);
        const MaterialCatalog catalog = materialCatalog(file);
        const TypedTestBend typed =
            readTestBendOptions(optionsOf(options), NumberStyle::PointOrComma, catalog);
        val answer = val::object();
        answer.set("json", testBendJson(typed.material, typed.bend, typed.result));
        if (add) {
            const EnteredTestBend entered =
                enterTestBend(file, catalog, typed.material.name, typed.bend);
            answer.set("materials", writeMaterialsFile(entered.file));
            answer.set("alreadyThere", entered.alreadyThere);
            answer.set("report", enteredReport(entered.file, entered.material, entered.alreadyThere,
                                               browserMaterials));
        }
        return answer;
    } catch (const PressRefusal& refused) {
        return refusal(fieldName(refused.item()), refused.what());
    } catch (const MaterialsFileError& error) {
        return refusal("werkstoff", error.what());
    } catch (const BendError& error) {
        return refusal("probebiegung", "Rechenfehler: " + std::string(faultMessage(error.kind())));
    }
}

val workOut(const val& options, const std::string& userMaterials)
{
    return testBend(options, userMaterials, false);
}

val add(const val& options, const std::string& userMaterials)
{
    return testBend(options, userMaterials, true);
}

// {materials, report}: the materials kept with the file merged in, as the library writes them,
// and what the merge did; or {message} naming the file and what is wrong with it, and nothing
// changed.
val importMaterials(const std::string& text, const std::string& fileName,
                    const std::string& userMaterials)
{
    val answer = val::object();
    try {
        const MaterialsMerge merge =
            mergeMaterials(fileOf(userMaterials), readMaterialsFile(text, fileName));
        answer.set("materials", writeMaterialsFile(merge.file));
        answer.set("report", mergeReport(merge, fileName));
    } catch (const MaterialsFileError& error) {
        answer.set("message", std::string(error.what()));
    } catch (const PressRefusal& refused) {
        answer.set("message", fileName + ": " + refused.what());
    } catch (const std::bad_alloc&) {
        // The module grows its memory as a file needs it; where the browser gives no more, the
        // file is refused and the module stays usable.
        answer.set("message", tooLargeMessage(fileName));
    }
    return answer;
}

// {} for the page's stored materials file, or {message} naming what keeps it from being read (a
// broken entry, or one of a newer version).
val checkMaterials(const std::string& userMaterials)
{
    val answer = val::object();
    try {
        fileOf(userMaterials);
    } catch (const MaterialsFileError& error) {
        answer.set("message", std::string(error.what()));
    } catch (const std::bad_alloc&) {
        answer.set("message", tooLargeMessage(std::string(materialsFileName)));
    }
    return answer;
}

std::string tooLarge(const std::string& fileName)
{
    return tooLargeMessage(fileName);
}

} // namespace

EMSCRIPTEN_BINDINGS(kantrix_press)
{
    emscripten::function("workOutTestBend", &workOut);
    emscripten::function("addTestBend", &add);
    emscripten::function("importMaterials", &importMaterials);
    emscripten::function("checkMaterials", &checkMaterials);
    // The largest file the page hands to the module, and its refusal, as the command line's.
    emscripten::constant("maxInputSize", static_cast<double>(maxInputSize));
    emscripten::function("tooLargeMessage", &tooLarge);
}

} // namespace kantrix::press::web
