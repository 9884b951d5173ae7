#pragma once

// What the subcommands share: their own help and JSON flags, and how they refuse.

#include <string>
#include <string_view>

namespace CLI {
class App;
} // namespace CLI

namespace kantrix::cli {

// Adds the subcommand `name` with -h/--help into `help` and --json into `json`. Arguments it does
// not know are kept, so that the command line refuses them in German rather than CLI11.
CLI::App* addSubcommand(CLI::App& app, const std::string& name, bool& help, bool& json);

// Writes `why` as a line to `err` and gives the exit status Refused.
int refuse(std::string& err, std::string_view why);

// A call whose options do not fit together, rather than a value that is wrong: the reason and
// where the subcommand's help is.
int refuseCall(std::string& err, std::string_view why, std::string_view subcommand);

} // namespace kantrix::cli
