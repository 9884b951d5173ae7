#pragma once

// `kantrix-cli werkstoffe`: every material with its values and its test bends.

#include "command_line.h"

#include <optional>
#include <string>

namespace CLI {
class App;
class Option;
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
    std::string m_file;
    const CLI::Option* m_fileOption = nullptr;
};

} // namespace kantrix::cli
