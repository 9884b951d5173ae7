#pragma once

// `kantrix-cli profil`: a part with several bends from options or from a .kprofil file, its
// answer as a table or as JSON, and on request its drawings and its file.

#include "command_line.h"
#include "option_value.h"
#include "output_files.h"

#include <optional>
#include <string>

namespace CLI {
class App;
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
    int runOn(const profile::Profile& profile, const OutputWriter& write, std::string& out,
              std::string& err) const;

    bool m_help = false;
    bool m_json = false;
    OptionValue m_file;
    OptionValue m_dicke;
    OptionValue m_radius;
    OptionValue m_schenkel;
    OptionValue m_winkel;
    OptionValue m_radien;
    OptionValue m_innen;
    OptionValue m_richtung;
    OptionValue m_breite;
    OptionValue m_werkstoff;
    OptionValue m_matrize;
    OptionValue m_presse;
    OptionValue m_walzrichtung;
    OptionValue m_werkstoffe;
    OptionValue m_dxf;
    OptionValue m_svg;
    OptionValue m_schnitt;
    OptionValue m_speichern;
};

} // namespace kantrix::cli
