// tavro-cli: commands register themselves here so that each lives in one file.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tavro::cli {

using Args = std::vector<std::string>;

// A command returns the process exit status: 0 success, 1 "nothing found",
// 2 a user error (its one-line message already written to stderr).
using CommandFn = std::function<int(const Args&)>;

struct Command {
  std::string usage;    // one line, shown by --help
  CommandFn run;
};

std::map<std::string, Command>& Registry();

struct Registration {
  Registration(const std::string& name, const std::string& usage, CommandFn fn) {
    Registry()[name] = Command{usage, std::move(fn)};
  }
};

// Writes "tavro-cli: <message>" to stderr and returns 2.
int UsageError(const std::string& message);

}  // namespace tavro::cli
