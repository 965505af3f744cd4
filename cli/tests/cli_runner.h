// Runs the tavro-cli binary (path in TAVRO_CLI) as a user would, for the CLI
// tests. Header-only: every file in this folder goes into one test program.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tavro::cli_test {

struct Result {
  int status = -1;  // exit status, -1 when the program did not exit normally
  std::string out, err;
  std::vector<std::string> lines;               // stdout split into lines
  std::vector<std::vector<std::string>> rows;   // each line split into cells
};

struct RunOptions {
  bool joinErr = false;    // stderr into `out` as well (then `err` stays empty)
  char separator = '\t';   // between the cells of `rows`
  bool closedStdin = false;  // standard input closed instead of holding `input`
  std::string env = {};      // "NAME=value ..." set for the program
};

// `args` are shell words, quoted as a shell wants them. Stdin holds `input`
// (nothing by default), so that no question waits for an answer.
inline Result RunProgram(const std::string& program, const std::string& args, RunOptions options = {},
                         const std::string& input = "") {
  Result r;
  const std::string temp = ::testing::TempDir() + "tavro_cli_" + std::to_string(::getpid());
  const std::string errFile = temp + "_stderr.txt", inFile = temp + "_stdin.txt";
  std::ofstream(inFile, std::ios::binary) << input;
  std::remove(errFile.c_str());  // no stale text when a case redirects stderr itself
  const std::string command = (options.env.empty() ? "" : "env " + options.env + " ") + "'" + program + "' " + args +
                              (options.joinErr ? " 2>&1" : " 2>'" + errFile + "'") +
                              (options.closedStdin ? " <&-" : " <'" + inFile + "'");
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  char buf[4096];
  size_t got;
  while ((got = fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, got);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  if (!options.joinErr) {
    std::ifstream err(errFile);
    std::stringstream ss;
    ss << err.rdbuf();
    r.err = ss.str();
  }
  std::istringstream lines(r.out);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> cells;
    std::istringstream cellStream(line);
    for (std::string cell; std::getline(cellStream, cell, options.separator);) cells.push_back(cell);
    r.lines.push_back(line);
    r.rows.push_back(cells);
  }
  return r;
}

inline Result RunCli(const std::string& args, RunOptions options = {}) { return RunProgram(TAVRO_CLI, args, options); }

// The same with `input` on standard input.
inline Result RunCliWithInput(const std::string& args, const std::string& input) {
  return RunProgram(TAVRO_CLI, args, {}, input);
}

inline bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace tavro::cli_test
