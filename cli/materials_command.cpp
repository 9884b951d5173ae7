#include "materials_command.h"

#include "exit_status.h"
#include "materials_source.h"
#include "press_answer.h"
#include "press_refusal.h"

#include <CLI/CLI.hpp>

namespace kantrix::cli {

CLI::App* MaterialsCommand::add(CLI::App& app)
{
    CLI::App* command = app.add_subcommand("werkstoffe");
    command->set_help_flag();
    command->allow_extras();
    command->add_flag("-h,--help", m_help);
    command->add_flag("--json", m_json);
    m_fileOption = command->add_option("--werkstoffe", m_file)->allow_extra_args(false);
    return command;
}

int MaterialsCommand::run(const InputReader& read, std::string& out, std::string& err) const
{
    const bool named = m_fileOption && m_fileOption->count() > 0;
    std::string reason;
    const std::optional<press::MaterialsFile> user = readMaterials(
        read, materialsSource(named ? std::optional<std::string>(m_file) : std::nullopt), reason);
    if (!user) {
        err += reason + '\n';
        return Refused;
    }
    try {
        const press::MaterialCatalog catalog = press::materialCatalog(*user);
        out += m_json ? press::materialsJson(catalog) : press::materialsTable(catalog);
    } catch (const press::PressRefusal& refusal) {
        err += std::string(refusal.what()) + '\n';
        return Refused;
    }
    return Success;
}

} // namespace kantrix::cli
