#pragma once

// `kantrix-cli probebiegung`: a test bend worked out, what it measured beside DIN 6935, and on
// request added to the user's materials file.

#include "command_line.h"
#include "output_files.h"

#include <string>

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace kantrix::cli {

class TestBendCommand
{
public:
    CLI::App* add(CLI::App& app);

    bool help() const { return m_help; }

    int run(const InputReader& read, const OutputWriter& write, std::string& out,
            std::string& err) const;

private:
    struct Value
    {
        std::string text;
        const CLI::Option* option = nullptr;

        bool given() const;
        std::optional<std::string> optional() const;
    };

    bool m_help = false;
    bool m_json = false;
    bool m_enter = false;
    Value m_werkstoff;
    Value m_dicke;
    Value m_radius;
    Value m_matrize;
    Value m_winkel;
    Value m_winkelEingestellt;
    Value m_zuschnitt;
    Value m_schenkel;
    Value m_werkstoffe;
};

} // namespace kantrix::cli
