#include "press_answer.h"

#include "builtin_values_note.h"
#include "json_fields.h"
#include "material_json.h"
#include "number_text.h"
#include "text_columns.h"

namespace kantrix::press {

namespace {

using json::OrderedJson;
using json::shownNumber;

std::string two(double value)
{
    return FormatNumber(value, twoDecimals);
}

std::string three(double value)
{
    return FormatNumber(value, threeDecimals);
}

std::string strengthText(const Material& material)
{
    std::string text;
    for (const StrengthBand& band : material.strength) {
        if (!text.empty())
            text += ", ab s = " + NumberToText(band.fromThickness) + ": ";
        text += NumberToText(band.min) + "–" + NumberToText(band.max);
    }
    return text;
}

std::string minimumRadiusText(const Material& material)
{
    if (const auto* factor = std::get_if<MinimumRadiusFactor>(&material.minimumRadius))
        return NumberToText(factor->quer) + " · s quer, " + NumberToText(factor->laengs) +
               " · s längs";
    if (const auto* table = std::get_if<MinimumRadiusTable>(&material.minimumRadius))
        return "Tabelle (s = " + NumberToText(table->bounds.front()) + " … " +
               NumberToText(table->bounds.back()) + " mm)";
    return "–";
}

} // namespace

std::string enteredReport(const MaterialsFile& written, std::string_view material,
                          bool alreadyThere, std::string_view fileName)
{
    std::size_t count = 0;
    for (const UserMaterial& entry : written.materials)
        if (sameMaterialName(entry.name, material))
            count = entry.testBends.size();
    const std::string has = std::string(material) + " hat dort " + std::to_string(count) +
                            " Probebiegung" + (count == 1 ? "" : "en") + '.';
    const std::string file = "„" + std::string(fileName) + "“";
    return alreadyThere ? "Diese Probebiegung steht schon in " + file +
                              " und ist nicht noch einmal eingetragen: " + has
                        : "Eingetragen in " + file + ": " + has;
}

const char* originName(MaterialOrigin origin)
{
    switch (origin) {
    case MaterialOrigin::Builtin:
        return "eingebaut";
    case MaterialOrigin::BuiltinPlus:
        return "eingebaut, ergänzt";
    case MaterialOrigin::User:
        break;
    }
    return "eigener";
}

std::string testBendTable(const Material& material, const TestBend& bend,
                          const TestBendResult& result)
{
    std::string out = "Probebiegung " + material.name + "\n";
    out += "Blechdicke s = " + two(bend.thickness) + " mm, Biegeradius r = " + two(bend.radius) +
           " mm";
    if (bend.die)
        out += " (Matrize V " + NumberToText(*bend.die) +
               ", f = " + NumberToText(material.radiusFactor) + ")";
    out += "\nÖffnungswinkel β = " + two(bend.angle) + "°";
    if (bend.setAngle)
        out += ", eingestellt βe = " + two(*bend.setAngle) + "°";
    out += "\nZuschnitt L0 = " + three(bend.cutLength) + " mm, Schenkel a = " + three(bend.legA) +
           " mm, b = " + three(bend.legB) + " mm\n\n";
    TextColumns values({"", "k", "v"});
    values.alignLeft(0);
    values.add({"gemessen", three(result.k), three(result.v)});
    values.add({"DIN 6935", three(result.kDin), three(result.vDin)});
    values.write(out);
    out += "\nLänge nach DIN 6935 L = a + b + v = " + three(result.lengthDin) + " mm\n";
    out += "Abweichung L0 - L = " + three(result.deviation) + " mm\n";
    if (result.springback)
        out += "Rückfederung K = " + three(*result.springback) + "\n";
    return out;
}

std::string testBendJson(const Material& material, const TestBend& bend,
                         const TestBendResult& result)
{
    OrderedJson answer;
    answer["werkstoff"] = material.name;
    answer["dicke"] = shownNumber(two(bend.thickness), bend.thickness);
    answer["radius"] = shownNumber(two(bend.radius), bend.radius);
    answer["winkel"] = shownNumber(two(bend.angle), bend.angle);
    answer["zuschnitt"] = shownNumber(three(bend.cutLength), bend.cutLength);
    answer["v"] = shownNumber(three(result.v), result.v);
    answer["k"] = shownNumber(three(result.k), result.k);
    answer["k_din"] = shownNumber(three(result.kDin), result.kDin);
    answer["v_din"] = shownNumber(three(result.vDin), result.vDin);
    answer["L_din"] = shownNumber(three(result.lengthDin), result.lengthDin);
    answer["abweichung"] = shownNumber(three(result.deviation), result.deviation);
    answer["rueckfederung"] = result.springback
                                  ? shownNumber(three(*result.springback), *result.springback)
                                  : OrderedJson(nullptr);
    return answer.dump(2) + '\n';
}

std::string materialsTable(const MaterialCatalog& catalog)
{
    std::string out;
    TextColumns list(
        {"Werkstoff", "Nummer", "Rm in N/mm²", "f", "Mindestradius", "Probebiegungen", "Herkunft"});
    for (std::size_t column : {0, 1, 2, 4, 6})
        list.alignLeft(column);
    for (const CatalogEntry& entry : catalog) {
        const Material& material = entry.material;
        list.add({material.name, material.number.value_or("–"), strengthText(material),
                  NumberToText(material.radiusFactor), minimumRadiusText(material),
                  std::to_string(material.testBends.size()), originName(entry.origin)});
    }
    list.write(out);
    std::string replaced;
    for (const CatalogEntry& entry : catalog)
        if (const std::optional<std::string> note = builtinValuesNote(entry.material))
            replaced += *note + '\n';
    if (!replaced.empty())
        out += '\n' + replaced;
    for (const CatalogEntry& entry : catalog) {
        const Material& material = entry.material;
        if (material.testBends.empty())
            continue;
        out += "\nProbebiegungen " + material.name + ":\n";
        TextColumns bends({"Nr.", "s", "r", "V", "β", "βe", "L0", "a", "b", "v", "k", "k DIN"});
        for (std::size_t i = 0; i < material.testBends.size(); ++i) {
            const TestBend& bend = material.testBends[i];
            const TestBendResult result = evaluateTestBend(bend);
            bends.add({std::to_string(i + 1), two(bend.thickness), two(bend.radius),
                       bend.die ? NumberToText(*bend.die) : "–", two(bend.angle),
                       bend.setAngle ? two(*bend.setAngle) : "–", three(bend.cutLength),
                       three(bend.legA), three(bend.legB), three(result.v), three(result.k),
                       three(result.kDin)});
        }
        bends.write(out);
    }
    out += "\nLängen in mm, Winkel in Grad.\n";
    return out;
}

std::string materialsJson(const MaterialCatalog& catalog)
{
    OrderedJson list = OrderedJson::array();
    for (const CatalogEntry& entry : catalog) {
        OrderedJson material = materialJson(entry.material);
        material["herkunft"] = originName(entry.origin);
        for (std::size_t i = 0; i < entry.material.testBends.size(); ++i) {
            const TestBendResult result = evaluateTestBend(entry.material.testBends[i]);
            OrderedJson& bend = material["probebiegungen"][i];
            bend["v"] = shownNumber(three(result.v), result.v);
            bend["k"] = shownNumber(three(result.k), result.k);
            bend["k_din"] = shownNumber(three(result.kDin), result.kDin);
            bend["rueckfederung"] = result.springback
                                        ? shownNumber(three(*result.springback), *result.springback)
                                        : OrderedJson(nullptr);
        }
        list.push_back(std::move(material));
    }
    OrderedJson answer;
    answer["werkstoffe"] = std::move(list);
    return answer.dump(2) + '\n';
}

} // namespace kantrix::press
