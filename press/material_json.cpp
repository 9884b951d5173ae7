#include "material_json.h"

#include "press_refusal.h"

namespace kantrix::press {

namespace {

using json::Json;
using json::JsonFault;
using json::number;
using json::optionalNumber;
using json::OrderedJson;

constexpr std::size_t maxListSize = 1000;

OrderedJson numbers(const std::vector<double>& values)
{
    OrderedJson list = OrderedJson::array();
    for (double value : values)
        list.push_back(number(value));
    return list;
}

OrderedJson strengthJson(const std::vector<StrengthBand>& bands)
{
    OrderedJson list = OrderedJson::array();
    for (const StrengthBand& band : bands)
        list.push_back({{"ab", number(band.fromThickness)},
                        {"min", number(band.min)},
                        {"max", number(band.max)}});
    return list;
}

OrderedJson minimumRadiusJson(const MinimumRadius& radius)
{
    if (const auto* factor = std::get_if<MinimumRadiusFactor>(&radius))
        return {{"quer", number(factor->quer)}, {"laengs", number(factor->laengs)}};
    if (const auto* table = std::get_if<MinimumRadiusTable>(&radius))
        return {{"dicken", numbers(table->bounds)},
                {"quer", numbers(table->quer)},
                {"laengs", numbers(table->laengs)}};
    return nullptr;
}

OrderedJson testBendsJson(const std::vector<TestBend>& bends)
{
    OrderedJson list = OrderedJson::array();
    for (const TestBend& bend : bends)
        list.push_back({{"dicke", number(bend.thickness)},
                        {"radius", number(bend.radius)},
                        {"matrize", optionalNumber(bend.die)},
                        {"winkel", number(bend.angle)},
                        {"winkel_eingestellt", optionalNumber(bend.setAngle)},
                        {"zuschnitt", number(bend.cutLength)},
                        {"schenkel", {number(bend.legA), number(bend.legB)}}});
    return list;
}

std::string item(const std::string& path, const char* key, std::size_t index)
{
    return path + "." + key + "[" + std::to_string(index + 1) + "]";
}

std::vector<double> numbersAt(const Json& object, const char* key, const std::string& path)
{
    const Json& list = json::arrayAt(object, key, path + "." + key, maxListSize);
    std::vector<double> values;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i].is_number())
            throw JsonFault("„" + item(path, key, i) + "“ muss eine Zahl sein", item(path, key, i));
        values.push_back(list[i].get<double>());
    }
    return values;
}

std::vector<StrengthBand> strengthAt(const Json& object, const std::string& path)
{
    const std::string at = path + ".zugfestigkeit";
    const Json& list = json::arrayAt(object, "zugfestigkeit", at, maxListSize);
    std::vector<StrengthBand> bands;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string band = item(path, "zugfestigkeit", i);
        json::requireObject(list[i], band, {"ab", "min", "max"});
        bands.push_back({json::numberAt(list[i], "ab", band + ".ab"),
                         json::numberAt(list[i], "min", band + ".min"),
                         json::numberAt(list[i], "max", band + ".max")});
    }
    return bands;
}

MinimumRadius minimumRadiusAt(const Json& object, const std::string& path)
{
    const std::string at = path + ".mindestradius";
    const Json& value = object.at("mindestradius");
    if (value.is_null())
        return NoMinimumRadius{};
    if (value.is_object() && value.contains("dicken")) {
        json::requireObject(value, at, {"dicken", "quer", "laengs"});
        return MinimumRadiusTable{numbersAt(value, "dicken", at), numbersAt(value, "quer", at),
                                  numbersAt(value, "laengs", at)};
    }
    json::requireObject(value, at, {"quer", "laengs"});
    return MinimumRadiusFactor{json::numberAt(value, "quer", at + ".quer"),
                               json::numberAt(value, "laengs", at + ".laengs")};
}

std::vector<TestBend> testBendsAt(const Json& object, const std::string& path)
{
    const Json& list =
        json::arrayAt(object, "probebiegungen", path + ".probebiegungen", maxTestBends);
    std::vector<TestBend> bends;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string at = item(path, "probebiegungen", i);
        const Json& entry = list[i];
        json::requireObject(entry, at, {"dicke", "radius", "winkel", "zuschnitt", "schenkel"},
                            {"matrize", "winkel_eingestellt"});
        TestBend bend;
        bend.thickness = json::numberAt(entry, "dicke", at + ".dicke");
        bend.radius = json::numberAt(entry, "radius", at + ".radius");
        bend.die = json::optionalNumberAt(entry, "matrize", at + ".matrize");
        bend.angle = json::numberAt(entry, "winkel", at + ".winkel");
        bend.setAngle =
            json::optionalNumberAt(entry, "winkel_eingestellt", at + ".winkel_eingestellt");
        bend.cutLength = json::numberAt(entry, "zuschnitt", at + ".zuschnitt");
        const std::vector<double> legs = numbersAt(entry, "schenkel", at);
        if (legs.size() != 2)
            throw JsonFault("„" + at + ".schenkel“ muss die zwei Schenkel a und b nennen",
                            at + ".schenkel");
        bend.legA = legs[0];
        bend.legB = legs[1];
        bends.push_back(bend);
    }
    return bends;
}

} // namespace

OrderedJson userMaterialJson(const UserMaterial& material)
{
    OrderedJson entry;
    entry["name"] = material.name;
    if (material.number)
        entry["nummer"] = *material.number;
    if (material.strength)
        entry["zugfestigkeit"] = strengthJson(*material.strength);
    if (material.radiusFactor)
        entry["radiusfaktor"] = number(*material.radiusFactor);
    if (material.minimumRadius)
        entry["mindestradius"] = minimumRadiusJson(*material.minimumRadius);
    if (material.density)
        entry["dichte"] = number(*material.density);
    entry["probebiegungen"] = testBendsJson(material.testBends);
    return entry;
}

OrderedJson materialJson(const Material& material)
{
    OrderedJson entry;
    entry["name"] = material.name;
    entry["nummer"] = material.number ? OrderedJson(*material.number) : OrderedJson(nullptr);
    entry["zugfestigkeit"] = strengthJson(material.strength);
    entry["radiusfaktor"] = number(material.radiusFactor);
    entry["mindestradius"] = minimumRadiusJson(material.minimumRadius);
    if (material.density)
        entry["dichte"] = number(*material.density);
    entry["probebiegungen"] = testBendsJson(material.testBends);
    return entry;
}

UserMaterial readUserMaterial(const Json& value, const std::string& path)
{
    json::requireObject(
        value, path, {"name"},
        {"nummer", "zugfestigkeit", "radiusfaktor", "mindestradius", "dichte", "probebiegungen"});
    UserMaterial material;
    material.name = json::stringAt(value, "name", path + ".name");
    if (const std::optional<std::string> fault = materialNameFault(material.name))
        throw JsonFault("„" + path + ".name“ " + *fault, path + ".name");
    if (value.contains("nummer") && !value.at("nummer").is_null())
        material.number = json::stringAt(value, "nummer", path + ".nummer");
    if (value.contains("zugfestigkeit"))
        material.strength = strengthAt(value, path);
    if (value.contains("radiusfaktor"))
        material.radiusFactor = json::numberAt(value, "radiusfaktor", path + ".radiusfaktor");
    if (value.contains("mindestradius"))
        material.minimumRadius = minimumRadiusAt(value, path);
    if (value.contains("dichte"))
        material.density = json::numberAt(value, "dichte", path + ".dichte");
    if (value.contains("probebiegungen"))
        material.testBends = testBendsAt(value, path);
    return material;
}

Material readMaterial(const Json& value, const std::string& path)
{
    json::requireObject(
        value, path,
        {"name", "nummer", "zugfestigkeit", "radiusfaktor", "mindestradius", "probebiegungen"},
        {"dichte"});
    UserMaterial read = readUserMaterial(value, path);
    return {std::move(read.name), std::move(read.number),         std::move(*read.strength),
            *read.radiusFactor,   std::move(*read.minimumRadius), std::move(read.testBends),
            read.density};
}

} // namespace kantrix::press
