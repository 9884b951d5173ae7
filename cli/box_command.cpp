#include "box_command.h"

#include "bend_error.h"
#include "box_answer.h"
#include "box_calculation.h"
#include "box_drawing.h"
#include "box_file.h"
#include "box_options.h"
#include "box_refusal.h"
#include "exit_status.h"
#include "materials_source.h"
#include "same_file.h"
#include "single_bend.h"
#include "subcommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <vector>

namespace kantrix::cli {

namespace {

using namespace kantrix::box;

int refuseCall(std::string& err, const std::string& why)
{
    return cli::refuseCall(err, why, "kasten");
}

} // namespace

CLI::App* BoxCommand::add(CLI::App& app)
{
    CLI::App* command = addSubcommand(app, "kasten", m_help, m_json);
    m_file.addTo(*command, "datei");
    m_dicke.addTo(*command, "-s,--dicke");
    m_radius.addTo(*command, "-r,--radius");
    m_laenge.addTo(*command, "--laenge");
    m_breite.addTo(*command, "--breite");
    m_hoehe.addTo(*command, "--hoehe");
    m_innen.addTo(*command, "--innen");
    m_ecken.addTo(*command, "--ecken");
    m_durchgehend.addTo(*command, "--durchgehend");
    m_spalt.addTo(*command, "--spalt");
    m_freistich.addTo(*command, "--freistich");
    m_werkstoff.addTo(*command, "--werkstoff");
    m_matrize.addTo(*command, "--matrize");
    m_presse.addTo(*command, "--presse");
    m_walzrichtung.addTo(*command, "--walzrichtung");
    m_werkstoffe.addTo(*command, "--werkstoffe");
    m_dxf.addTo(*command, "--dxf");
    m_svg.addTo(*command, "--svg");
    m_ansicht.addTo(*command, "--ansicht");
    m_speichern.addTo(*command, "--speichern");
    return command;
}

int BoxCommand::run(const InputReader& read, const OutputWriter& write, std::string& out,
                    std::string& err) const
{
    // Where the outputs would land is known before anything is read: a call that would write
    // over its own inputs is refused first.
    OutputTargets targets;
    for (const OptionValue* output : {&m_dxf, &m_svg, &m_ansicht, &m_speichern})
        if (output->given())
            targets.outputs.push_back({output->text, output == &m_speichern});
    targets.partFile = m_file.given() ? m_file.text : std::string();
    targets.partFileKind = "Kastendatei";
    targets.materialsFile = m_werkstoffe.given() ? m_werkstoffe.text : std::string();
    if (const std::string clash = outputClash(targets); !clash.empty())
        return refuseCall(err, clash);

    const std::vector<const OptionValue*> values = {
        &m_dicke,     &m_radius,  &m_laenge,      &m_breite,      &m_hoehe,
        &m_innen,     &m_ecken,   &m_durchgehend, &m_spalt,       &m_freistich,
        &m_werkstoff, &m_matrize, &m_presse,      &m_walzrichtung};
    const bool anyValue =
        std::any_of(values.begin(), values.end(), [](const OptionValue* v) { return v->given(); });

    Box box;
    if (m_file.given()) {
        if (m_werkstoffe.given())
            return refuseCall(err, "Eine Kastendatei trägt ihren Werkstoff samt Probebiegungen "
                                   "selbst; --werkstoffe gilt nur zusammen mit --werkstoff");
        if (anyValue)
            return refuseCall(err, "kasten nimmt entweder eine Kastendatei (hier „" + m_file.text +
                                       "“) oder Werte wie --dicke und --laenge, nicht beides");
        std::string reason;
        const std::optional<std::string> text = read(m_file.text, reason);
        if (!text)
            return refuse(err, reason);
        try {
            box = readBoxFile(*text, m_file.text == "-" ? "Standardeingabe" : m_file.text);
        } catch (const BoxFileError& error) {
            return refuse(err, error.what());
        }
    } else {
        if (!m_dicke.given() || !(m_radius.given() || m_matrize.given()) || !m_laenge.given() ||
            !m_breite.given() || !m_hoehe.given())
            return refuseCall(err, "kasten braucht --dicke, --radius (oder --matrize), --laenge, "
                                   "--breite und --hoehe oder eine Kastendatei");
        if (m_werkstoffe.given() && !m_werkstoff.given())
            return refuseCall(err, "--werkstoffe gilt nur zusammen mit --werkstoff");
        if (m_radius.given() && m_matrize.given())
            return refuseCall(err, "--radius und --matrize zusammen: mit einer Matrize folgt der "
                                   "Biegeradius aus ihr (r = f · V)");
        if ((m_durchgehend.given() || m_spalt.given()) && m_ecken.text != "stumpf")
            return refuseCall(err,
                              std::string(m_durchgehend.given() ? "--durchgehend" : "--spalt") +
                                  " gilt nur für stumpfe Ecken: --ecken stumpf");
        std::optional<press::MaterialCatalog> catalog;
        if (m_werkstoff.given()) {
            std::string reason;
            catalog = readCatalog(read, m_werkstoffe.optional(), reason);
            if (!catalog)
                return refuse(err, reason);
        }
        BoxOptions options;
        options.dicke = m_dicke.text;
        options.radius = m_radius.text;
        options.laenge = m_laenge.text;
        options.breite = m_breite.text;
        options.hoehe = m_hoehe.text;
        options.innen = m_innen.optional();
        options.ecken = m_ecken.optional();
        options.durchgehend = m_durchgehend.optional();
        options.spalt = m_spalt.optional();
        options.freistich = m_freistich.optional();
        options.werkstoff = m_werkstoff.optional();
        options.matrize = m_matrize.optional();
        options.presse = m_presse.optional();
        options.walzrichtung = m_walzrichtung.optional();
        try {
            box = readBoxOptions(options, NumberStyle::Plain, catalog ? &*catalog : nullptr);
        } catch (const BoxRefusal& refusal) {
            return refuse(err, refusal.what());
        }
    }
    return runOn(box, write, out, err);
}

int BoxCommand::runOn(const Box& box, const OutputWriter& write, std::string& out,
                      std::string& err) const
{
    std::vector<OutputFile> files;
    std::string answer;
    try {
        const BoxResult result = computeBox(box);
        if (m_dxf.given())
            files.push_back({m_dxf.text, blankDxf(box, result)});
        if (m_svg.given())
            files.push_back({m_svg.text, blankSvg(box, result)});
        if (m_ansicht.given())
            files.push_back({m_ansicht.text, foldedSvg(box, result)});
        answer = m_json ? answerJson(box, result) : answerTable(box, result);
    } catch (const BoxRefusal& refusal) {
        return refuse(err, refusal.what());
    } catch (const BendError& error) {
        err += faultText(error.kind()) + '\n';
        return Fault;
    }
    if (m_speichern.given())
        files.push_back({m_speichern.text, writeBoxFile(box)});
    return writeThenAnswer(write, files, answer, out, err);
}

} // namespace kantrix::cli
