#pragma once

// `kantrix-cli probebiegung`: a test bend worked out, what it measured beside DIN 6935, and on
// request added to the user's materials file.

#include "command_line.h"
#include "option_value.h"
#include "output_files.h"

#include <string>

namespace CLI {
class App;
} // namespace CLI

namespace kantrix::cli {

class TestBendCommand
{
public:
    CLI::App* add(CLI::App& app);

    bool help() const { return m_help; }

    // The materials file is changed through `change` only.
    int run(const InputReader& read, const MaterialsChanger& change, std::string& out,
            std::string& err) const;

private:
    bool m_help = false;
    bool m_json = false;
    bool m_enter = false;
    OptionValue m_werkstoff;
    OptionValue m_dicke;
    OptionValue m_radius;
    OptionValue m_matrize;
    OptionValue m_winkel;
    OptionValue m_winkelEingestellt;
    OptionValue m_zuschnitt;
    OptionValue m_schenkel;
    OptionValue m_werkstoffe;
};

} // namespace kantrix::cli
