#include "profile_command.h"

#include "bend_error.h"
#include "exit_status.h"
#include "materials_file.h"
#include "materials_source.h"
#include "profile_answer.h"
#include "profile_calculation.h"
#include "profile_drawing.h"
#include "profile_file.h"
#include "profile_options.h"
#include "profile_refusal.h"
#include "same_file.h"
#include "single_bend.h"
#include "subcommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <vector>

namespace kantrix::cli {

namespace {

using namespace kantrix::profile;

// A call that does not fit together, rather than a value that is wrong.
int refuseCall(std::string& err, const std::string& why)
{
    return cli::refuseCall(err, why, "profil");
}

} // namespace

CLI::App* ProfileCommand::add(CLI::App& app)
{
    CLI::App* command = addSubcommand(app, "profil", m_help, m_json);
    m_file.addTo(*command, "datei");
    m_dicke.addTo(*command, "-s,--dicke");
    m_radius.addTo(*command, "-r,--radius");
    m_schenkel.addTo(*command, "--schenkel");
    m_winkel.addTo(*command, "--winkel");
    m_radien.addTo(*command, "--radien");
    m_innen.addTo(*command, "--innen");
    m_richtung.addTo(*command, "--richtung");
    m_breite.addTo(*command, "--breite");
    m_werkstoff.addTo(*command, "--werkstoff");
    m_matrize.addTo(*command, "--matrize");
    m_presse.addTo(*command, "--presse");
    m_walzrichtung.addTo(*command, "--walzrichtung");
    m_werkstoffe.addTo(*command, "--werkstoffe");
    m_dxf.addTo(*command, "--dxf");
    m_svg.addTo(*command, "--svg");
    m_schnitt.addTo(*command, "--schnitt");
    m_speichern.addTo(*command, "--speichern");
    return command;
}

int ProfileCommand::run(const InputReader& read, const OutputWriter& write, std::string& out,
                        std::string& err) const
{
    // Where the outputs would land is known before anything is read: a call that would write
    // over its own inputs is refused first.
    OutputTargets targets;
    for (const OptionValue* output : {&m_dxf, &m_svg, &m_schnitt, &m_speichern})
        if (output->given())
            targets.outputs.push_back({output->text, output == &m_speichern});
    targets.partFile = m_file.given() ? m_file.text : std::string();
    targets.partFileKind = "Profildatei";
    targets.materialsFile = m_werkstoffe.given() ? m_werkstoffe.text : std::string();
    if (const std::string clash = outputClash(targets); !clash.empty())
        return refuseCall(err, clash);

    const std::vector<const OptionValue*> values = {
        &m_dicke,    &m_radius, &m_schenkel,  &m_winkel,  &m_radien,       &m_innen,
        &m_richtung, &m_breite, &m_werkstoff, &m_matrize, &m_walzrichtung, &m_presse};
    const bool anyValue =
        std::any_of(values.begin(), values.end(), [](const OptionValue* v) { return v->given(); });

    Profile profile;
    if (m_file.given()) {
        if (m_werkstoffe.given())
            return refuseCall(err, "Eine Profildatei trägt ihren Werkstoff samt Probebiegungen "
                                   "selbst; --werkstoffe gilt nur zusammen mit --werkstoff");
        if (anyValue)
            return refuseCall(err, "profil nimmt entweder eine Profildatei (hier „" + m_file.text +
                                       "“) oder Werte wie --dicke und --schenkel, nicht beides");
        std::string reason;
        const std::optional<std::string> text = read(m_file.text, reason);
        if (!text)
            return refuse(err, reason);
        try {
            profile = readProfileFile(*text, m_file.text == "-" ? "Standardeingabe" : m_file.text);
        } catch (const ProfileFileError& error) {
            return refuse(err, error.what());
        }
    } else {
        if (!m_dicke.given() || !(m_radius.given() || m_matrize.given()) || !m_schenkel.given() ||
            !m_winkel.given())
            return refuseCall(err, "profil braucht --dicke, --radius (oder --matrize), --schenkel "
                                   "und --winkel oder eine Profildatei");
        if (m_werkstoffe.given() && !m_werkstoff.given())
            return refuseCall(err, "--werkstoffe gilt nur zusammen mit --werkstoff");
        if (m_radius.given() && m_matrize.given())
            return refuseCall(err, "--radius und --matrize zusammen: mit einer Matrize folgt der "
                                   "Biegeradius aus ihr (r = f · V); ein eigener Radius steht "
                                   "bei der Biegung (--radien)");
        std::optional<press::MaterialCatalog> catalog;
        if (m_werkstoff.given()) {
            std::string reason;
            catalog = readCatalog(read, m_werkstoffe.optional(), reason);
            if (!catalog)
                return refuse(err, reason);
        }
        ProfileOptions options;
        options.dicke = m_dicke.text;
        options.radius = m_radius.text;
        options.schenkel = m_schenkel.text;
        options.winkel = m_winkel.text;
        options.radien = m_radien.optional();
        options.innen = m_innen.optional();
        options.richtung = m_richtung.optional();
        options.breite = m_breite.optional();
        options.werkstoff = m_werkstoff.optional();
        options.matrize = m_matrize.optional();
        options.presse = m_presse.optional();
        options.walzrichtung = m_walzrichtung.optional();
        try {
            profile =
                readProfileOptions(options, NumberStyle::Plain, catalog ? &*catalog : nullptr);
        } catch (const ProfileRefusal& refusal) {
            return refuse(err, refusal.what());
        }
    }
    return runOn(profile, write, out, err);
}

int ProfileCommand::runOn(const Profile& profile, const OutputWriter& write, std::string& out,
                          std::string& err) const
{
    if ((m_dxf.given() || m_svg.given()) && !profile.width)
        return refuseCall(
            err, std::string(m_dxf.given() ? "--dxf" : "--svg") +
                     " zeichnet den Zuschnitt und braucht dessen Breite W" +
                     (m_file.given() ? ", die die Profildatei nicht nennt" : ": --breite"));

    std::vector<OutputFile> files;
    std::string answer;
    try {
        const ProfileResult result = computeProfile(profile);
        if (m_dxf.given())
            files.push_back({m_dxf.text, blankDxf(profile, result)});
        if (m_svg.given())
            files.push_back({m_svg.text, blankSvg(profile, result)});
        if (m_schnitt.given())
            files.push_back({m_schnitt.text, sectionSvg(profile, result)});
        answer = m_json ? answerJson(profile, result) : answerTable(profile, result);
    } catch (const ProfileRefusal& refusal) {
        return refuse(err, refusal.what());
    } catch (const BendError& error) {
        err += faultText(error.kind()) + '\n';
        return Fault;
    }
    if (m_speichern.given())
        files.push_back({m_speichern.text, writeProfileFile(profile)});
    return writeThenAnswer(write, files, answer, out, err);
}

} // namespace kantrix::cli
