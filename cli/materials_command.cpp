#include "materials_command.h"

#include "exit_status.h"
#include "materials_source.h"
#include "press_answer.h"
#include "press_refusal.h"
#include "subcommand.h"

#include <CLI/CLI.hpp>

namespace kantrix::cli {

CLI::App* MaterialsCommand::add(CLI::App& app)
{
    CLI::App* command = addSubcommand(app, "werkstoffe", m_help, m_json);
    m_file.addTo(*command, "--werkstoffe");
    return command;
}

int MaterialsCommand::run(const InputReader& read, std::string& out, std::string& err) const
{
    std::string reason;
    const std::optional<press::MaterialsFile> user =
        readMaterials(read, materialsSource(m_file.optional()), reason);
    if (!user)
        return refuse(err, reason);
    try {
        const press::MaterialCatalog catalog = press::materialCatalog(*user);
        out += m_json ? press::materialsJson(catalog) : press::materialsTable(catalog);
    } catch (const press::PressRefusal& refusal) {
        return refuse(err, refusal.what());
    }
    return Success;
}

} // namespace kantrix::cli
