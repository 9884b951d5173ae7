// What the profile page's downloads must hold, by the native library: the blank's DXF or the
// .kprofil file of a profile given as the command line's options, written to standard output
// byte for byte. Usage: kantrix_profile_expectations dxf|kprofil NAME=VALUE...

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
        const std::string text =
            kind == "dxf" ? blankDxf(profile, computeProfile(profile)) : writeProfileFile(profile);
        std::fwrite(text.data(), 1, text.size(), stdout);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
