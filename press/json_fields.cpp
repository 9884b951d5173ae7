#include "json_fields.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace kantrix::press::json {

namespace {

// Line and column, counted from 1, of a byte offset; columns count characters, not bytes.
std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view text, std::size_t offset)
{
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

// Finds the value at `path` ("werkstoffe[2].probebiegungen[1].dicke", indices from 1) in a text
// that parsed, by walking its tokens: the parsed document has no places.
class ValueFinder
{
public:
    explicit ValueFinder(std::string_view text) : m_text(text) {}

    std::optional<std::size_t> find(std::string_view path)
    {
        skipSpace();
        while (!path.empty()) {
            if (path.front() == '[') {
                const std::size_t close = path.find(']');
                if (close == std::string_view::npos)
                    return std::nullopt;
                const std::size_t index = std::stoul(std::string(path.substr(1, close - 1)));
                path.remove_prefix(close + 1);
                if (!enterItem(index))
                    return std::nullopt;
            } else {
                // A member's name may be empty, as in a file's unknown key "": "werkstoffe[1]."
                if (path.front() == '.')
                    path.remove_prefix(1);
                const std::size_t end = std::min(path.find('.'), path.find('['));
                const std::string_view key = path.substr(0, end);
                path.remove_prefix(std::min(end, path.size()));
                if (!enterMember(key))
                    return std::nullopt;
            }
        }
        return m_at;
    }

private:
    bool enterMember(std::string_view key)
    {
        if (peek() != '{')
            return false;
        ++m_at;
        for (skipSpace(); peek() == '"';) {
            const std::size_t start = m_at + 1;
            skipString();
            const std::string_view name = m_text.substr(start, m_at - 1 - start);
            skipSpace();
            ++m_at; // the colon
            skipSpace();
            if (name == key)
                return true;
            skipValue();
            skipSpace();
            if (peek() == ',')
                ++m_at;
            skipSpace();
        }
        return false;
    }

    bool enterItem(std::size_t index)
    {
        if (peek() != '[' || index == 0)
            return false;
        ++m_at;
        skipSpace();
        for (std::size_t i = 1; peek() != ']' && m_at < m_text.size(); ++i) {
            if (i == index)
                return true;
            skipValue();
            skipSpace();
            if (peek() == ',')
                ++m_at;
            skipSpace();
        }
        return false;
    }

    void skipValue()
    {
        if (peek() == '"')
            return skipString();
        int depth = 0;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            if (c == '"') {
                skipString();
                continue;
            }
            if (c == '{' || c == '[')
                ++depth;
            else if (c == '}' || c == ']')
                --depth;
            if (depth < 0 || (depth == 0 && c == ','))
                return;
            ++m_at;
            if (depth == 0 && (c == '}' || c == ']'))
                return;
        }
    }

    void skipString()
    {
        for (++m_at; m_at < m_text.size() && m_text[m_at] != '"'; ++m_at)
            if (m_text[m_at] == '\\')
                ++m_at;
        ++m_at;
    }

    void skipSpace()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\n' ||
                                        m_text[m_at] == '\r' || m_text[m_at] == '\t'))
            ++m_at;
    }

    char peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }

    std::string_view m_text;
    std::size_t m_at = 0;
};

std::string quoted(const std::string& path)
{
    return "„" + path + "“";
}

} // namespace

std::string placedReason(const JsonFault& fault, std::string_view text)
{
    if (fault.at.empty())
        return fault.why;
    const std::optional<std::size_t> offset = ValueFinder(text).find(fault.at);
    if (!offset)
        return fault.why;
    const auto [line, column] = lineAndColumn(text, *offset);
    return fault.why + " (Zeile " + std::to_string(line) + ", Spalte " + std::to_string(column) +
           ")";
}

Json parseStrict(std::string_view text)
{
    // The keys seen so far in each object that is open, innermost last.
    std::vector<std::set<std::string>> open;
    const auto checkKeys = [&open](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) {
            open.emplace_back();
        } else if (event == Json::parse_event_t::object_end) {
            open.pop_back();
        } else if (event == Json::parse_event_t::key) {
            const std::string& key = parsed.get_ref<const std::string&>();
            if (!open.back().insert(key).second)
                throw JsonFault{"der Schlüssel \"" + key + "\" steht zweimal im selben Objekt"};
        }
        return true;
    };
    try {
        return Json::parse(text, checkKeys);
    } catch (const Json::parse_error& error) {
        // The library counts the byte at which it stopped from 1.
        const auto [line, column] = lineAndColumn(text, error.byte > 0 ? error.byte - 1 : 0);
        throw JsonFault{"sie ist kein gültiges JSON (Zeile " + std::to_string(line) + ", Spalte " +
                        std::to_string(column) + ")"};
    } catch (const Json::exception&) {
        // A number beyond the range of a double: the only other way parsing gives up.
        throw JsonFault{"sie enthält eine Zahl außerhalb des Zahlenbereichs"};
    }
}

void requireObject(const Json& value, const std::string& path,
                   std::initializer_list<const char*> required,
                   std::initializer_list<const char*> optional)
{
    const std::string where = path.empty() ? "" : " in " + quoted(path);
    if (!value.is_object())
        throw JsonFault{(path.empty() ? "die oberste Ebene" : quoted(path)) +
                        " muss ein JSON-Objekt sein"};
    for (const char* key : required)
        if (!value.contains(key))
            throw JsonFault("der Schlüssel \"" + std::string(key) + "\" fehlt" + where, path);
    for (const auto& [key, item] : value.items()) {
        bool known = false;
        for (const char* name : required)
            known = known || key == name;
        for (const char* name : optional)
            known = known || key == name;
        if (!known)
            throw JsonFault("unbekannter Schlüssel \"" + key + "\"" + where,
                            path.empty() ? key : path + "." + key);
    }
}

double numberAt(const Json& object, const char* key, const std::string& path)
{
    const Json& value = object.at(key);
    if (!value.is_number())
        throw JsonFault(quoted(path) + " muss eine Zahl sein", path);
    return value.get<double>();
}

std::optional<double> optionalNumberAt(const Json& object, const char* key, const std::string& path)
{
    if (!object.contains(key) || object.at(key).is_null())
        return std::nullopt;
    return numberAt(object, key, path);
}

std::string stringAt(const Json& object, const char* key, const std::string& path)
{
    const Json& value = object.at(key);
    if (!value.is_string())
        throw JsonFault(quoted(path) + " muss ein Text sein", path);
    return value.get<std::string>();
}

std::string textAt(const Json& object, const char* key, const std::string& path,
                   std::initializer_list<const char*> allowed)
{
    const Json& value = object.at(key);
    if (value.is_string())
        for (const char* text : allowed)
            if (value.get<std::string>() == text)
                return text;
    std::string choices;
    for (const char* text : allowed)
        choices += (choices.empty() ? "„" : " oder „") + std::string(text) + "“";
    throw JsonFault(quoted(path) + " muss " + choices + " sein", path);
}

const Json& arrayAt(const Json& object, const char* key, const std::string& path,
                    std::size_t maxSize)
{
    const Json& value = object.at(key);
    if (!value.is_array())
        throw JsonFault(quoted(path) + " muss eine Liste sein", path);
    if (value.size() > maxSize)
        throw JsonFault(quoted(path) + " hat " + std::to_string(value.size()) +
                            " Einträge, mehr als erlaubt (" + std::to_string(maxSize) + ")",
                        path);
    return value;
}

int formatVersion(const Json& document, std::string_view format, int version, const char* notThis,
                  const char* formatTitle)
{
    if (!document.is_object())
        throw JsonFault{"die oberste Ebene muss ein JSON-Objekt sein"};
    if (!document.contains("format"))
        throw JsonFault{"der Schlüssel \"format\" fehlt"};
    const Json& name = document.at("format");
    if (!name.is_string() || name.get<std::string>() != format)
        throw JsonFault{"sie ist " + std::string(notThis) + " (\"format\" ist nicht „" +
                        std::string(format) + "“)"};
    if (!document.contains("version"))
        throw JsonFault{"der Schlüssel \"version\" fehlt"};
    const Json& number = document.at("version");
    if (!number.is_number_integer() || number.get<std::int64_t>() < 1)
        throw JsonFault{"\"version\" muss eine ganze Zahl ab 1 sein"};
    if (number.get<std::int64_t>() > version)
        throw JsonFault{"sie hat die Version " + number.dump() + " des " + formatTitle +
                        "; diese Kantrix-Version liest bis Version " + std::to_string(version)};
    return static_cast<int>(number.get<std::int64_t>());
}

OrderedJson number(double value)
{
    constexpr double exactIntegers = 9007199254740992.0; // 2^53
    if (value == std::trunc(value) && std::fabs(value) < exactIntegers && !std::signbit(value))
        return static_cast<std::int64_t>(value);
    return value;
}

OrderedJson optionalNumber(const std::optional<double>& value)
{
    return value ? number(*value) : OrderedJson(nullptr);
}

OrderedJson shownNumber(const std::string& text, double value)
{
    return {{"text", text}, {"value", value}};
}

} // namespace kantrix::press::json
