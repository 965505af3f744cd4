#include <cstdio>
#include <iostream>

#include "cli/command.h"

namespace tavro::cli {

std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> commands;
  return commands;
}

int UsageError(const std::string& message) {
  std::cerr << "tavro-cli: " << message << "\n";
  return 2;
}

static void PrintHelp() {
  std::cout << "usage: tavro-cli COMMAND [ARGS...]\n\ncommands:\n";
  for (const auto& [name, cmd] : Registry()) std::cout << "  " << cmd.usage << "\n";
}

}  // namespace tavro::cli

int main(int argc, char** argv) {
  using namespace tavro::cli;
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    PrintHelp();
    return argc < 2 ? 2 : 0;
  }
  auto it = Registry().find(argv[1]);
  if (it == Registry().end()) return UsageError(std::string("unknown command '") + argv[1] + "' (see --help)");
  Args args(argv + 2, argv + argc);
  return it->second.run(args);
}
