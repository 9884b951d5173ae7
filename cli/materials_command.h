#pragma once

// `kantrix-cli werkstoffe`: every material with its values and its test bends.

#include "command_line.h"
#include "option_value.h"

#include <optional>
#include <string>

namespace CLI {
class App;
} // namespace CLI

namespace kantrix::cli {

class MaterialsCommand
{
public:
    CLI::App* add(CLI::App& app);

    bool help() const { return m_help; }

    int run(const InputReader& read, std::string& out, std::string& err) const;

private:
    bool m_help = false;
    bool m_json = false;
    OptionValue m_file;
};

} // namespace kantrix::cli
