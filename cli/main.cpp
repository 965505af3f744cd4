#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/command.h"
#include "tavro_version.h"

namespace tavro::cli {

std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> commands;
  return commands;
}

int UsageError(const std::string& message) {
  std::cerr << "tavro-cli: " << message << "\n";
  return 2;
}

bool Given(const CLI::Option* option) { return option != nullptr && option->count() > 0; }

namespace {

// CLI11's wording of a missing value ("--time: 1 required TEXT missing") in
// the words every command has always used.
std::string ParseErrorText(const CLI::ParseError& e) {
  std::string text = e.what();
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  const size_t colon = text.find(": ");
  if (e.get_name() == "ArgumentMismatch" && colon != std::string::npos && text.find(" required ") != std::string::npos &&
      text.size() >= 8 && text.compare(text.size() - 8, 8, " missing") == 0)
    return text.substr(0, colon) + " needs a value";
  return text;
}

// An argument no option or plain argument of the command took.
std::string ExtraText(const CLI::App& command, const std::string& extra) {
  const bool option = extra.size() > 1 && extra[0] == '-' && !(extra[1] >= '0' && extra[1] <= '9');
  if (option) return "unknown option '" + extra + "'";
  const auto plain = command.get_options([](const CLI::Option* o) { return o->get_positional(); });
  if (plain.empty()) return "unexpected argument '" + extra + "'";
  return "more than one entry given: '" + extra + "'";
}

}  // namespace
}  // namespace tavro::cli

int main(int argc, char** argv) {
  using namespace tavro::cli;
  CLI::App app{"The calculations of Tavro's windows for scripts. Every command starts from the program's defaults\n"
               "and never reads or writes the saved state. Errors: one line on stderr, exit status 2.",
               "tavro-cli"};
  app.set_version_flag("--version", std::string("tavro-cli ") + tavro::kVersion, "Print the version and exit");
  // An option given twice keeps its last value, as it always has.
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.require_subcommand(1);
  app.footer("`tavro-cli COMMAND --help` shows a command's arguments and options.");

  std::map<std::string, std::pair<CLI::App*, CommandRun>> commands;
  for (const auto& [name, command] : Registry()) {
    CLI::App* sub = app.add_subcommand(name, command.summary);
    sub->allow_extras();  // told apart below, in the commands' own words
    commands[name] = {sub, command.setup(*sub)};
  }

  if (argc < 2) return UsageError("give a command (see --help)");
  const std::string first = argv[1];
  if (first.empty() || first[0] != '-') {
    if (commands.count(first) == 0) return UsageError("unknown command '" + first + "' (see --help)");
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    const std::string text = ParseErrorText(e);
    return UsageError(commands.count(first) ? first + ": " + text : text);
  }
  for (auto& [name, command] : commands) {
    if (command.first->parsed() == 0) continue;
    const std::vector<std::string> extras = command.first->remaining();
    if (!extras.empty()) return UsageError(name + ": " + ExtraText(*command.first, extras.front()));
    return command.second();
  }
  return UsageError("give a command (see --help)");
}
