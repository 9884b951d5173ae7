#pragma once

// Reading and writing the program's JSON files strictly: a text that is not JSON is refused with
// its line and column, an object that names a key twice is refused (it would say two things),
// and every field is checked for its kind before it is taken. The readers throw JsonFault with
// a German reason; the caller puts the file's name in front of it.

#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kantrix::press::json {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

struct JsonFault
{
    explicit JsonFault(std::string reason, std::string valuePath = {})
        : why(std::move(reason)), at(std::move(valuePath))
    {}

    std::string why;
    std::string at; // the value it is about ("werkstoffe[2].name"), where that helps find it
};

// The reason, with the line and column of the value it is about where `text` has one there, so
// that a person can find it in a long file.
std::string placedReason(const JsonFault& fault, std::string_view text);

// The document of a text, or JsonFault: not JSON (with line and column), a number beyond the
// double range, or a key given twice in one object.
Json parseStrict(std::string_view text);

// `value` is an object with every key of `required`, any of `optional` and no other. `path`
// names it in messages; empty for the top level.
void requireObject(const Json& value, const std::string& path,
                   std::initializer_list<const char*> required,
                   std::initializer_list<const char*> optional = {});

double numberAt(const Json& object, const char* key, const std::string& path);
// A number, or none where the key is null (or absent).
std::optional<double> optionalNumberAt(const Json& object, const char* key,
                                       const std::string& path);
std::string stringAt(const Json& object, const char* key, const std::string& path);
// One of `allowed`.
std::string textAt(const Json& object, const char* key, const std::string& path,
                   std::initializer_list<const char*> allowed);
// A list of at most `maxSize` items.
const Json& arrayAt(const Json& object, const char* key, const std::string& path,
                    std::size_t maxSize);

// The format name and version of a file: refuses another format and a version above `version`.
// `notThis` says what the file is not ("kein Kantrix-Profil"), `formatTitle` names the format
// in the genitive ("Profilformats").
int formatVersion(const Json& document, std::string_view format, int version, const char* notThis,
                  const char* formatTitle);

// Whole numbers as integers ("dicke": 2), all others in the fewest digits that read back to the
// same double, as the JSON library writes them.
OrderedJson number(double value);
OrderedJson optionalNumber(const std::optional<double>& value);

// A number for programs: the text a person reads beside the double itself.
OrderedJson shownNumber(const std::string& text, double value);

} // namespace kantrix::press::json
