#include "command_line.h"

#include "bend_table.h"
#include "box_command.h"
#include "csv_batch.h"
#include "exit_status.h"
#include "help_text.h"
#include "materials_command.h"
#include "profile_command.h"
#include "single_bend.h"
#include "test_bend_command.h"
#include "value_list.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <vector>

#ifndef KANTRIX_VERSION
#define KANTRIX_VERSION "?"
#endif

namespace kantrix::cli {

namespace {

int refuse(std::string& err, const std::string& why)
{
    err += why + "\nHilfe: kantrix-cli --help\n";
    return Refused;
}

// CLI11 speaks English; its message starts with the option it is about.
std::string germanParseError(const CLI::ParseError& error)
{
    const std::string what = error.what();
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error))
        return "Option " + what.substr(0, what.find(':')) +
               ": der Wert fehlt oder sie ist mehr als einmal angegeben";
    return "Aufruf nicht verstanden (" + what + ")";
}

// Everything the parser did not take: unknown options, and words after a command's options.
std::vector<std::string> leftOver(const CLI::App& app,
                                  std::initializer_list<const CLI::App*> commands)
{
    std::vector<std::string> rest = app.remaining();
    for (const CLI::App* command : commands) {
        const std::vector<std::string> commandRest = command->remaining();
        rest.insert(rest.end(), commandRest.begin(), commandRest.end());
    }
    std::erase(rest, "--");
    return rest;
}

// The options of the table command, as given.
struct TableOptions
{
    bool help = false;
    bool csv = false;
    bool semicolon = false;
    std::vector<std::string> thicknesses;
    std::vector<std::string> radii;
    std::vector<std::string> angles;

    CLI::App* add(CLI::App& app)
    {
        CLI::App* table = app.add_subcommand("tabelle");
        table->set_help_flag();
        table->allow_extras();
        table->add_flag("-h,--help", help);
        table->add_option("-s,--dicke", thicknesses)->allow_extra_args(false);
        table->add_option("-r,--radius", radii)->allow_extra_args(false);
        table->add_option("--beta", angles)->allow_extra_args(false);
        table->add_flag("--csv", csv);
        table->add_flag("--semikolon", semicolon);
        return table;
    }
};

int runTable(TableOptions& options, std::string& out, std::string& err)
{
    if (options.thicknesses.empty() || options.radii.empty())
        return refuse(err, "tabelle braucht --dicke und --radius");
    if (options.semicolon && !options.csv)
        return refuse(err, "--semikolon gilt nur zusammen mit --csv");
    TableRequest request;
    request.csv = options.csv;
    request.separator = options.semicolon ? ';' : ',';
    if (options.angles.empty())
        options.angles.emplace_back("90");
    std::optional<std::string> refusal;
    auto expand = [&refusal](std::string_view option, const std::vector<std::string>& lists,
                             std::vector<std::string>& values) {
        for (const std::string& list : lists)
            if (!refusal)
                refusal = expandValues(option, list, values);
    };
    expand("--dicke", options.thicknesses, request.thicknesses);
    expand("--radius", options.radii, request.radii);
    expand("--beta", options.angles, request.angles);
    if (refusal)
        return refuse(err, *refusal);
    const std::size_t cells =
        request.thicknesses.size() * request.radii.size() * request.angles.size();
    if (cells > maxTableCells)
        return refuse(err, "Die Tabellen hätten " + std::to_string(cells) + " Zellen, mehr als " +
                               std::to_string(maxTableCells));
    return writeTable(request, out, err);
}

} // namespace

press::MaterialsFile changeMaterialsFileOnDisk(const std::string& path, bool createFolder,
                                               const press::MaterialsChange& change)
{
    press::MaterialsTransaction how;
    how.createFolder = createFolder;
    return press::changeMaterialsFile(path, change, how);
}

int runCommandLine(int argc, const char* const* argv, const InputReader& read, std::string& out,
                   std::string& err)
{
    return runCommandLine(argc, argv, read, writeFilesWhole, changeMaterialsFileOnDisk, out, err);
}

int runCommandLine(int argc, const char* const* argv, const InputReader& read,
                   const OutputWriter& write, const MaterialsChanger& change, std::string& out,
                   std::string& err)
{
    CLI::App app;
    app.set_help_flag();
    app.allow_extras();
    bool help = false;
    bool version = false;
    bool json = false;
    std::string csvPath;
    std::vector<std::string> values;
    app.add_flag("-h,--help", help);
    app.add_flag("--version", version);
    app.add_flag("--json", json);
    const CLI::Option* csv = app.add_option("--csv", csvPath);
    app.add_option("werte", values);

    TableOptions tableOptions;
    CLI::App* table = tableOptions.add(app);
    ProfileCommand profileCommand;
    CLI::App* profile = profileCommand.add(app);
    BoxCommand boxCommand;
    CLI::App* boxApp = boxCommand.add(app);
    TestBendCommand testBendCommand;
    CLI::App* testBend = testBendCommand.add(app);
    MaterialsCommand materialsCommand;
    CLI::App* materials = materialsCommand.add(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return refuse(err, germanParseError(error));
    }
    if (const std::vector<std::string> rest =
            leftOver(app, {table, profile, boxApp, testBend, materials});
        !rest.empty())
        return refuse(err, "Unbekanntes Argument „" + rest.front() + "“");

    if (help || tableOptions.help || profileCommand.help() || boxCommand.help() ||
        testBendCommand.help() || materialsCommand.help()) {
        out += table->parsed()       ? tableHelpText()
               : profile->parsed()   ? profileHelpText()
               : boxApp->parsed()    ? boxHelpText()
               : testBend->parsed()  ? testBendHelpText()
               : materials->parsed() ? materialsHelpText()
                                     : helpText();
        return Success;
    }
    if (version) {
        out += "kantrix-cli " KANTRIX_VERSION "\n";
        return Success;
    }

    if (table->parsed()) {
        if (json || csv->count() > 0 || !values.empty())
            return refuse(err, "tabelle nimmt weder Werte wie r=… noch --json oder --csv DATEI");
        return runTable(tableOptions, out, err);
    }

    if (profile->parsed()) {
        if (json || csv->count() > 0 || !values.empty())
            return refuse(err, "profil nimmt weder Werte wie r=… noch --csv DATEI; --json steht "
                               "nach profil");
        return profileCommand.run(read, write, out, err);
    }

    if (boxApp->parsed()) {
        if (json || csv->count() > 0 || !values.empty())
            return refuse(err, "kasten nimmt weder Werte wie r=… noch --csv DATEI; --json steht "
                               "nach kasten");
        return boxCommand.run(read, write, out, err);
    }

    if (testBend->parsed() || materials->parsed()) {
        if (json || csv->count() > 0 || !values.empty())
            return refuse(err, std::string(testBend->parsed() ? "probebiegung" : "werkstoffe") +
                                   " nimmt weder Werte wie r=… noch --csv DATEI; --json steht "
                                   "nach dem Befehl");
        return testBend->parsed() ? testBendCommand.run(read, change, out, err)
                                  : materialsCommand.run(read, change, out, err);
    }

    if (csv->count() > 0) {
        if (json || !values.empty())
            return refuse(err, "--csv nimmt weder Werte wie r=… noch --json");
        std::string reason;
        const std::optional<std::string> text = read(csvPath, reason);
        if (!text)
            return refuse(err, reason);
        return runCsvBatch(*text, out, err);
    }
    return runSingleBend(values, json, out, err);
}

} // namespace kantrix::cli
