#include "subcommand.h"

#include "exit_status.h"

#include <CLI/CLI.hpp>

namespace kantrix::cli {

CLI::App* addSubcommand(CLI::App& app, const std::string& name, bool& help, bool& json)
{
    CLI::App* command = app.add_subcommand(name);
    command->set_help_flag();
    command->allow_extras();
    command->add_flag("-h,--help", help);
    command->add_flag("--json", json);
    return command;
}

int refuse(std::string& err, std::string_view why)
{
    err.append(why);
    err += '\n';
    return Refused;
}

int refuseCall(std::string& err, std::string_view why, std::string_view subcommand)
{
    return refuse(err,
                  std::string(why) + "\nHilfe: kantrix-cli " + std::string(subcommand) + " --help");
}

} // namespace kantrix::cli
