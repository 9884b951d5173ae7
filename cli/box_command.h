#pragma once

// `kantrix-cli kasten`: a box or tray from options or from a .kkasten file, its answer as a table
// or as JSON, and on request its drawings and its file.

#include "command_line.h"
#include "option_value.h"
#include "output_files.h"

#include <string>

namespace CLI {
class App;
} // namespace CLI

namespace kantrix::box {
struct Box;
}

namespace kantrix::cli {

class BoxCommand
{
public:
    CLI::App* add(CLI::App& app);

    bool help() const { return m_help; }

    // Works out the box and writes its answer to `out`, the files through `write`; refusals and
    // faults go to `err`. Returns the exit status.
    int run(const InputReader& read, const OutputWriter& write, std::string& out,
            std::string& err) const;

private:
    int runOn(const box::Box& box, const OutputWriter& write, std::string& out,
              std::string& err) const;

    bool m_help = false;
    bool m_json = false;
    OptionValue m_file;
    OptionValue m_dicke;
    OptionValue m_radius;
    OptionValue m_laenge;
    OptionValue m_breite;
    OptionValue m_hoehe;
    OptionValue m_innen;
    OptionValue m_ecken;
    OptionValue m_durchgehend;
    OptionValue m_spalt;
    OptionValue m_freistich;
    OptionValue m_werkstoff;
    OptionValue m_matrize;
    OptionValue m_presse;
    OptionValue m_walzrichtung;
    OptionValue m_werkstoffe;
    OptionValue m_dxf;
    OptionValue m_svg;
    OptionValue m_ansicht;
    OptionValue m_speichern;
};

} // namespace kantrix::cli
