#pragma once

// `kantrix-cli werkstoffe`: every material with its values and its test bends, and on request
// another materials file merged into the user's.

#include "command_line.h"
#include "option_value.h"
#include "output_files.h"

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

    // The materials file is changed through `change` only.
    int run(const InputReader& read, const MaterialsChanger& change, std::string& out,
            std::string& err) const;

private:
    bool m_help = false;
    bool m_json = false;
    OptionValue m_file;
    OptionValue m_import;
};

} // namespace kantrix::cli
