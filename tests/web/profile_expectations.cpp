// What the profile page must show and download, by the native library: the answer as JSON, the
// blank's DXF or SVG, or the .kprofil file or the link's fragment of a profile given as the command
// line's options, written to standard output byte for byte. Usage: kantrix_profile_expectations
// dxf|svg|kprofil|json|link NAME=VALUE...

#include "profile_answer.h"
#include "profile_calculation.h"
#include "profile_drawing.h"
#include "profile_file.h"
#include "profile_options.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <utility>

int main(int argc, char** argv)
{
    using namespace kantrix::profile;
    if (argc < 2)
        return 2;
    std::map<std::string, std::string> given;
    for (int i = 2; i < argc; ++i) {
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
    ProfileOptions options{given["dicke"],       given["radius"],    given["schenkel"],
                           given["winkel"],      optional("radien"), optional("innen"),
                           optional("richtung"), optional("breite")};
    try {
        const Profile profile = readProfileOptions(options, NumberStyle::PointOrComma);
        const std::string kind = argv[1];
        std::string text;
        if (kind == "kprofil")
            text = writeProfileFile(profile);
        else if (kind == "dxf")
            text = blankDxf(profile, computeProfile(profile));
        else if (kind == "svg")
            text = blankSvg(profile, computeProfile(profile));
        else if (kind == "json")
            text = answerJson(profile, computeProfile(profile));
        else if (kind == "link") {
            // The link's fragment: the options the library writes back, in its order.
            const ProfileOptions exact = profileOptions(profile);
            const std::pair<const char*, std::optional<std::string>> items[] = {
                {"dicke", exact.dicke},       {"radius", exact.radius},
                {"schenkel", exact.schenkel}, {"winkel", exact.winkel},
                {"radien", exact.radien},     {"innen", exact.innen},
                {"richtung", exact.richtung}, {"breite", exact.breite}};
            for (const auto& [name, value] : items)
                if (value)
                    text += (text.empty() ? "#" : "&") + std::string(name) + "=" + *value;
        } else
            return 2;
        std::fwrite(text.data(), 1, text.size(), stdout);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
