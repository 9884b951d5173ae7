#pragma once

// `kantrix-cli profil`: a part with several bends from options or from a .kprofil file, its
// answer as a table or as JSON, and on request its drawings and its file.

#include "command_line.h"
#include "output_files.h"

#include <optional>
#include <string>

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace kantrix::profile {
struct Profile;
}

namespace kantrix::cli {

class ProfileCommand
{
public:
    // Adds the subcommand and its options to `app`; they fill this object when it parses.
    CLI::App* add(CLI::App& app);

    bool help() const { return m_help; }

    // Works out the part and writes its answer to `out`, the files through `write`; refusals and
    // faults go to `err`. Returns the exit status.
    int run(const InputReader& read, const OutputWriter& write, std::string& out,
            std::string& err) const;

private:
    // A value option: its text and whether it was given at all.
    struct Value
    {
        std::string text;
        const CLI::Option* option = nullptr;

        bool given() const;
        std::optional<std::string> optional() const;
    };

    int runOn(const profile::Profile& profile, const OutputWriter& write, std::string& out,
              std::string& err) const;

    bool m_help = false;
    bool m_json = false;
    Value m_file;
    Value m_dicke;
    Value m_radius;
    Value m_schenkel;
    Value m_winkel;
    Value m_radien;
    Value m_innen;
    Value m_richtung;
    Value m_breite;
    Value m_werkstoff;
    Value m_matrize;
    Value m_presse;
    Value m_walzrichtung;
    Value m_werkstoffe;
    Value m_dxf;
    Value m_svg;
    Value m_schnitt;
    Value m_speichern;
};

} // namespace kantrix::cli
