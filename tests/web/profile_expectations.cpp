// The fragment the profile page's link must hold for a profile, by the native library: the
// options it writes back for the profile that the given options describe, in the command line's
// order ("#dicke=2&radius=2&schenkel=50/100/50&winkel=90/90"). The answer and the files the page
// shows and downloads are compared with kantrix-cli profil itself.
// Usage: kantrix_profile_expectations NAME=VALUE...

#include "profile_options.h"

#include <exception>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <utility>

int main(int argc, char** argv)
{
    using namespace kantrix::profile;
    std::map<std::string, std::string> given;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos)
            return 2;
        given[argument.substr(0, equals)] = argument.substr(equals + 1);
    }
    const auto optional = [&given](const char* name) -> std::optional<std::string> {
        const auto found = given.find(name);
        return found == given.end() ? std::nullopt : std::optional(found->second);
    };
    const ProfileOptions options{
        given["dicke"],        given["radius"],     given["schenkel"],    given["winkel"],
        optional("radien"),    optional("innen"),   optional("richtung"), optional("breite"),
        optional("werkstoff"), optional("matrize"), optional("presse"),   optional("walzrichtung")};
    try {
        const ProfileOptions exact =
            profileOptions(readProfileOptions(options, NumberStyle::PointOrComma));
        const std::pair<const char*, std::optional<std::string>> items[] = {
            {"dicke", exact.dicke},         {"radius", exact.radius},
            {"schenkel", exact.schenkel},   {"winkel", exact.winkel},
            {"radien", exact.radien},       {"innen", exact.innen},
            {"richtung", exact.richtung},   {"breite", exact.breite},
            {"werkstoff", exact.werkstoff}, {"matrize", exact.matrize},
            {"presse", exact.presse},       {"walzrichtung", exact.walzrichtung}};
        std::string fragment;
        for (const auto& [name, value] : items)
            if (value && !value->empty()) // with a die the radius is left out
                fragment += (fragment.empty() ? "#" : "&") + std::string(name) + "=" + *value;
        std::cout << fragment;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
