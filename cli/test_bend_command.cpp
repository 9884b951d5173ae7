#include "test_bend_command.h"

#include "bend_error.h"
#include "exit_status.h"
#include "materials_source.h"
#include "press_answer.h"
#include "press_refusal.h"
#include "single_bend.h"
#include "subcommand.h"
#include "test_bend_options.h"

#include <CLI/CLI.hpp>

namespace kantrix::cli {

namespace {

int refuseCall(std::string& err, const std::string& why)
{
    return cli::refuseCall(err, why, "probebiegung");
}

} // namespace

CLI::App* TestBendCommand::add(CLI::App& app)
{
    CLI::App* command = addSubcommand(app, "probebiegung", m_help, m_json);
    command->add_flag("--eintragen", m_enter);
    m_werkstoff.addTo(*command, "--werkstoff");
    m_dicke.addTo(*command, "-s,--dicke");
    m_radius.addTo(*command, "-r,--radius");
    m_matrize.addTo(*command, "--matrize");
    m_winkel.addTo(*command, "--winkel");
    m_winkelEingestellt.addTo(*command, "--winkel-eingestellt");
    m_zuschnitt.addTo(*command, "--zuschnitt");
    m_schenkel.addTo(*command, "--schenkel");
    m_werkstoffe.addTo(*command, "--werkstoffe");
    return command;
}

int TestBendCommand::run(const InputReader& read, const OutputWriter& write, std::string& out,
                         std::string& err) const
{
    if (!m_werkstoff.given() || !m_dicke.given() || !m_winkel.given() || !m_zuschnitt.given() ||
        !m_schenkel.given() || m_radius.given() == m_matrize.given())
        return refuseCall(err, "probebiegung braucht --werkstoff, --dicke, --radius oder "
                               "--matrize (eines davon), --winkel, --zuschnitt und --schenkel");
    const MaterialsSource source = materialsSource(m_werkstoffe.optional());
    if (m_enter && source.path.empty())
        return refuseCall(err, "Kein Ordner für die Werkstoffdatei: weder XDG_CONFIG_HOME noch "
                               "HOME ist gesetzt; --werkstoffe DATEI nennt eine");
    if (m_enter && source.path == "-")
        return refuseCall(err, "--eintragen schreibt in eine Datei, nicht in die "
                               "Standardeingabe");

    std::string reason;
    const std::optional<press::MaterialsFile> user = readMaterials(read, source, reason, m_enter);
    if (!user)
        return refuse(err, reason);

    press::TestBendOptions options;
    options.werkstoff = m_werkstoff.text;
    options.dicke = m_dicke.text;
    options.radius = m_radius.optional();
    options.matrize = m_matrize.optional();
    options.winkel = m_winkel.text;
    options.winkelEingestellt = m_winkelEingestellt.optional();
    options.zuschnitt = m_zuschnitt.text;
    options.schenkel = m_schenkel.text;
    std::string answer;
    press::MaterialsFile entered;
    try {
        const press::MaterialCatalog catalog = press::materialCatalog(*user);
        const press::TypedTestBend typed =
            press::readTestBendOptions(options, NumberStyle::Plain, catalog);
        answer = m_json ? press::testBendJson(typed.material, typed.bend, typed.result)
                        : press::testBendTable(typed.material, typed.bend, typed.result);
        if (m_enter) {
            entered = press::withTestBend(*user, catalog, typed.material.name, typed.bend);
            // The file must read back to what was meant, whole, before it takes the old one's
            // place.
            press::readMaterialsFile(press::writeMaterialsFile(entered), source.path);
            if (!m_json) {
                std::size_t count = 0;
                for (const press::UserMaterial& material : entered.materials)
                    if (press::sameMaterialName(material.name, typed.material.name))
                        count = material.testBends.size();
                answer += "\nEingetragen in „" + source.path + "“: " + typed.material.name +
                          " hat dort " + std::to_string(count) + " Probebiegung" +
                          (count == 1 ? "" : "en") + ".\n";
            }
        }
    } catch (const press::PressRefusal& refusal) {
        return refuse(err, refusal.what());
    } catch (const press::MaterialsFileError& error) {
        return refuse(err, error.what());
    } catch (const BendError& error) {
        err += faultText(error.kind()) + '\n';
        return Fault;
    }
    if (m_enter) {
        OutputFile file{source.path, press::writeMaterialsFile(entered)};
        file.createFolder = !source.named;
        if (!write({file}, reason)) {
            err += reason + '\n';
            return Unwritten;
        }
    }
    out += answer;
    return Success;
}

} // namespace kantrix::cli
