#include "materials_command.h"

#include "exit_status.h"
#include "materials_merge.h"
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
    m_import.addTo(*command, "--importieren");
    return command;
}

int MaterialsCommand::run(const InputReader& read, const OutputWriter& write, std::string& out,
                          std::string& err) const
{
    const MaterialsSource source = materialsSource(m_file.optional());
    if (m_import.given() && source.path.empty())
        return refuseCall(err,
                          "Kein Ordner für die Werkstoffdatei: weder XDG_CONFIG_HOME noch HOME ist "
                          "gesetzt; --werkstoffe DATEI nennt eine",
                          "werkstoffe");
    if (m_import.given() && source.path == "-")
        return refuseCall(err, "--importieren schreibt in eine Datei, nicht in die Standardeingabe",
                          "werkstoffe");
    std::string reason;
    std::optional<press::MaterialsFile> user =
        readMaterials(read, source, reason, m_import.given());
    if (!user)
        return refuse(err, reason);
    std::string report;
    if (m_import.given()) {
        const std::optional<std::string> text = read(m_import.text, reason);
        if (!text)
            return refuse(err, reason);
        const std::string name = m_import.text == "-" ? "Standardeingabe" : m_import.text;
        try {
            press::MaterialsMerge merge =
                press::mergeMaterials(*user, press::readMaterialsFile(*text, name));
            report = press::mergeReport(merge, name) + "\n\n";
            user = std::move(merge.file);
        } catch (const press::MaterialsFileError& error) {
            return refuse(err, error.what());
        } catch (const press::PressRefusal& refusal) {
            return refuse(err, name + ": " + refusal.what());
        }
        OutputFile file{source.path, press::writeMaterialsFile(*user)};
        file.createFolder = !source.named;
        if (!write({file}, reason)) {
            err += reason + '\n';
            return Unwritten;
        }
    }
    try {
        const press::MaterialCatalog catalog = press::materialCatalog(*user);
        out += m_json ? press::materialsJson(catalog) : report + press::materialsTable(catalog);
    } catch (const press::PressRefusal& refusal) {
        return refuse(err, refusal.what());
    }
    return Success;
}

} // namespace kantrix::cli
