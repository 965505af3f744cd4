// How tavro-cli meets a script's edges: refusals on one line, entries that
// look like options, output that cannot be written, closed or odd streams,
// files behind links, and a copy without its data files.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;
namespace fs = std::filesystem;

TEST(EdgesCli, TheProgramMeetsAScriptsEdges) {
  const fs::path dir = fs::path(::testing::TempDir()) / ("tavro_edges_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "bare");
  const std::string d = dir.string();
  // A link to a calendar file, and a copy of the program without its data.
  std::ofstream(dir / "real.ics") << "old\n";
  fs::create_symlink("real.ics", dir / "link.ics");
  fs::copy_file(TAVRO_CLI, dir / "bare" / "tavro-cli");
  const std::string ics = "ics --from 2025 --to 2025 --events new-years ";

  struct Case {
    std::string args;
    int status;
    std::string err;  // the whole of stderr ("" for none)
    std::string out;  // what stdout begins with
    RunOptions options = {};
    std::string program = TAVRO_CLI;
  } cases[] = {
      // A refused entry of any kind: one line, the command named, no advice on boxes.
      {"convert '79-41-13-01 CHL'", 2,
       "tavro-cli: convert: Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day' or "
       "'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.\n",
       ""},
      {"list months '79-41-13-01 CHL' --country vietnam", 2,
       "tavro-cli: list: Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.\n", ""},
      // An entry that starts with "-" is an entry; "--" ends the options.
      {"convert '-nan AJD'", 2, "tavro-cli: convert: Date too early.\n", ""},
      {"convert --json -- '-44-03-15 CE'", 0, "", "{"},
      // Output that cannot be written is an error in every command.
      {"convert '2024-02-10 CE' >/dev/full", 2, "tavro-cli: convert: cannot write to standard output\n", ""},
      {"festivals --from 2025 --to 2025 >/dev/full", 2, "tavro-cli: festivals: cannot write to standard output\n",
       ""},
      {"--help >/dev/full", 2, "tavro-cli: cannot write to standard output\n", ""},
      // A closed standard input is empty, not the program's own data file.
      {"convert --batch", 0, "", "entry\terror\tajd\tce\tjc\tchl\tchs\tarc\tcjdl\tcjdc\n",
       {.closedStdin = true}},
      // "-" is standard output; a link is written through, never replaced.
      {ics + "--output -", 0, "", "BEGIN:VCALENDAR"},
      {ics + "--output '" + d + "/link.ics' && test -L '" + d + "/link.ics' && head -c 15 '" + d + "/real.ics'", 0,
       "", "BEGIN:VCALENDAR"},
      // The program's words, not the parser library's; the faulty variable named.
      {"--json", 2, "tavro-cli: unknown option '--json' (see --help)\n", ""},
      {ics, 2, "tavro-cli: ics: SOURCE_DATE_EPOCH must be a whole number of seconds since 1970, not '12x'\n", "",
       {.env = "SOURCE_DATE_EPOCH=12x"}},
      // Missing data files: the program names itself.
      // (the comment mark keeps the runner's redirections off `head`)
      {"convert '2024-02-10 CE' 2>&1 | head -c 27 #", 0, "", "tavro-cli: data files (tavr", {},
       d + "/bare/tavro-cli"},
  };
  for (const Case& c : cases) {
    const Result r = RunProgram(c.program, c.args, c.options);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    EXPECT_EQ(r.err, c.err) << c.args;
    EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << c.args;
    if (c.out.empty()) {
      EXPECT_EQ(r.out, "") << c.args;
    }
  }
  // No temporary file is left beside the calendar.
  size_t files = 0;
  for (const auto& e : fs::directory_iterator(dir)) files += e.path().filename().string()[0] == '.';
  EXPECT_EQ(files, 0u);
  fs::remove_all(dir);
}

}  // namespace
