// tavro-cli: commands register themselves here so that each lives in one file.
//
// A command file declares its options on the CLI11 subcommand it is given and
// returns what to run once the arguments are read:
//
//   CommandRun Setup(CLI::App& app) {
//     auto o = std::make_shared<MyOptions>();
//     app.add_option("--from", o->from, "first year");
//     return [o] { return Run(*o); };
//   }
//   const Registration reg{"name", "one line for the command list", Setup};
//
// The option values live in the shared object the returned function keeps.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace tavro::cli {

// Runs a command whose arguments have been read. It returns the process exit
// status: 0 success, 1 "nothing found", 2 a user error (its one-line message
// already written to stderr).
using CommandRun = std::function<int()>;
using CommandSetup = std::function<CommandRun(CLI::App& app)>;

struct Command {
  std::string summary;  // one line in the command list of --help
  CommandSetup setup;
};

std::map<std::string, Command>& Registry();

struct Registration {
  Registration(const std::string& name, const std::string& summary, CommandSetup setup) {
    Registry()[name] = Command{summary, std::move(setup)};
  }
};

// Writes "tavro-cli: <message>" to stderr and returns 2.
int UsageError(const std::string& message);

// True when the option appeared on the command line (even with an empty value).
bool Given(const CLI::Option* option);

}  // namespace tavro::cli
