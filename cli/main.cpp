#include <fcntl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstdio>
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

// A command's arguments as CLI11 is to read them: its options first, then
// "--" and every plain argument in the order given. So an entry that starts
// with "-" ("-44-03-15 CE", "-nan AJD") is still an entry, and a "--" the
// user gave ends the options. A command without plain arguments keeps its
// arguments as they are, to be refused in its own words.
std::vector<std::string> OptionsFirst(const CLI::App& command, const std::vector<std::string>& args) {
  if (command.get_options([](const CLI::Option* o) { return o->get_positional(); }).empty()) return args;
  std::vector<std::string> options, plain;
  bool onlyPlain = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (onlyPlain) {
      plain.push_back(a);
    } else if (a == "--") {
      onlyPlain = true;
    } else if (a.rfind("--", 0) == 0 || a == "-h") {
      options.push_back(a);
      const bool joined = a.find('=') != std::string::npos;
      const CLI::Option* o = command.get_option_no_throw(a.substr(0, a.find('=')));
      if (o && !joined && o->get_expected_max() > 0 && o->get_type_size_max() > 0) {
        // Without its value it is refused as it stands.
        if (i + 1 == args.size()) return args;
        options.push_back(args[++i]);
      }
    } else {
      plain.push_back(a);
    }
  }
  options.push_back("--");
  options.insert(options.end(), plain.begin(), plain.end());
  return options;
}

// CLI11's own errors in the program's words.
std::string TopLevelErrorText(const CLI::ParseError& e) {
  if (e.get_name() == "RequiredError" || e.get_name() == "ExtrasError") return "give a command (see --help)";
  return ParseErrorText(e);
}

// A closed standard stream would give its number to the next file opened: a
// data file would be read as input, or output written into a file. Each is
// held by /dev/null, read-only, so reading gives nothing and writing fails.
void HoldClosedStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    const int held = open("/dev/null", O_RDONLY);
    if (held >= 0 && held != fd) {
      dup2(held, fd);
      close(held);
    }
  }
}

// Whatever went to standard output reached it.
bool OutputWritten() {
  std::cout.flush();
  const bool ok = static_cast<bool>(std::cout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) && ok;
}

int Finish(int status, const std::string& command) {
  if (OutputWritten() || status == 2) return status;
  return UsageError((command.empty() ? "" : command + ": ") + "cannot write to standard output");
}

}  // namespace
}  // namespace tavro::cli

int main(int argc, char** argv) {
  using namespace tavro::cli;
  HoldClosedStandardStreams();
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
  std::vector<std::string> args(argv + 1, argv + argc);
  if (first.empty() || first[0] != '-') {
    if (commands.count(first) == 0) return UsageError("unknown command '" + first + "' (see --help)");
    std::vector<std::string> rest = OptionsFirst(*commands[first].first, {args.begin() + 1, args.end()});
    args.resize(1);
    args.insert(args.end(), rest.begin(), rest.end());
  } else if (first != "-h" && first != "--help" && first != "--help-all" && first != "--version") {
    return UsageError("unknown option '" + first + "' (see --help)");
  }
  const bool isCommand = commands.count(first) != 0;
  std::reverse(args.begin(), args.end());  // CLI11 takes the arguments last first
  try {
    app.parse(args);
  } catch (const CLI::CallForHelp& e) {
    return Finish(app.exit(e), "");
  } catch (const CLI::CallForAllHelp& e) {
    return Finish(app.exit(e), "");
  } catch (const CLI::CallForVersion& e) {
    return Finish(app.exit(e), "");
  } catch (const CLI::ParseError& e) {
    return UsageError(isCommand ? first + ": " + ParseErrorText(e) : TopLevelErrorText(e));
  }
  for (auto& [name, command] : commands) {
    if (command.first->parsed() == 0) continue;
    for (const std::string& extra : command.first->remaining())
      if (extra != "--") return UsageError(name + ": " + ExtraText(*command.first, extra));
    return Finish(command.second(), name);
  }
  return UsageError("give a command (see --help)");
}
