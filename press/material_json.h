#pragma once

// A material as JSON, the same in the user's materials file and in a profile's file:
//
// {"name": "S235JR", "nummer": "1.0038" or null,
//  "zugfestigkeit": [{"ab": 0, "min": 360, "max": 510}, ...],
//  "radiusfaktor": 0.16,
//  "dichte": 7.85 (g/cm³, for a blank's mass; left out where unknown),
//  "mindestradius": null, or a factor of s {"quer": 1, "laengs": 1.5}, or a table in mm
//                   {"dicken": [1, 1.5, ...], "quer": [1.6, ...], "laengs": [1.6, ...]},
//  "probebiegungen": [{"dicke": 1.5, "radius": 1.92, "matrize": 12 or null, "winkel": 90,
//                      "winkel_eingestellt": 88 or null, "zuschnitt": 100,
//                      "schenkel": [50, 53]}, ...]}
//
// In the user's file every key but "name" may be left out: an entry with a built-in material's
// name then changes only what it gives, and adds its test bends.

#include "json_fields.h"
#include "material.h"

#include <optional>
#include <string>
#include <vector>

namespace kantrix::press {

// A material of the user's file, with only the values it gives.
struct UserMaterial
{
    std::string name;
    std::optional<std::string> number;
    std::optional<std::vector<StrengthBand>> strength;
    std::optional<double> radiusFactor;
    std::optional<MinimumRadius> minimumRadius;
    std::vector<TestBend> testBends;
    std::optional<double> density;

    bool operator==(const UserMaterial&) const = default;
};

// At most this many test bends to a material: a shop's records, not a data logger's.
inline constexpr std::size_t maxTestBends = 10000;

json::OrderedJson userMaterialJson(const UserMaterial& material);
json::OrderedJson materialJson(const Material& material);

// Read, or json::JsonFault naming the place by `path` ("werkstoffe[2]").
UserMaterial readUserMaterial(const json::Json& value, const std::string& path);
// A whole material: "zugfestigkeit" and "radiusfaktor" must be there. Checked by checkMaterial.
Material readMaterial(const json::Json& value, const std::string& path);

} // namespace kantrix::press
