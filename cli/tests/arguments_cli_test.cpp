// The argument errors every command words the same way: one line on stderr,
// exit status 2, nothing on stdout.
#include <string>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;

TEST(ArgumentsCli, SharedErrorsAreWordedAlikeInEveryCommand) {
  const bool dataWindow = Has(RunCli("--help").out, "year-data");
  struct Case {
    const char* args;
    const char* err;
    bool needsDataWindow = false;
  } cases[] = {
      {"convert --bogus", "convert: unknown option '--bogus'"},
      {"convert a b", "convert: more than one entry given: 'b'"},
      {"convert x --time", "convert: --time needs a value"},
      {"convert x --zone x", "convert: --zone must be gmt or local"},
      {"convert x --longitude 99", "convert: --longitude must be a whole number from 100 to 145"},
      {"move day x extra", "move: more than one entry given: 'extra'"},
      {"move day x --calendar xx",
       "move: --calendar must be one of CE, JC, CHL, CHS, ARC, AJD, CJDC, CJDL, ARCGMT, ARCCCT"},
      {"search 'full moon' --element", "search: --element needs a value"},
      {"search 'full moon' x --epoch 7", "search: --epoch must be -2696 or -2636"},
      {"multi --day", "multi: --day needs a value"},
      {"multi --day wood-rat --json", "multi: unknown option '--json'"},
      {"multi --day wood-rat --zone x 2024-02-10", "multi: --zone must be gmt or local"},
      {"list months a b", "list: more than one entry given: 'b'", true},
      {"list months --country mars", "list: --country must be china, vietnam or japan", true},
      {"year-data --method x", "year-data: --method must be true or mean", true},
      {"self-test bogus", "self-test: unexpected argument 'bogus'", true},
      {"self-test --seed", "self-test: --seed needs a value", true},
  };
  for (const Case& c : cases) {
    if (c.needsDataWindow && !dataWindow) continue;
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.err, std::string("tavro-cli: ") + c.err + "\n") << c.args;
    EXPECT_TRUE(r.out.empty()) << c.args;
  }
}

}  // namespace

namespace {

// The shared settings reach every command the same way: names in any letter
// case are taken, and a refused value is worded alike everywhere.
TEST(ArgumentsCli, EveryCommandTakesTheSettingsAlike) {
  const std::string png = ::testing::TempDir() + "tavro_settings_" + std::to_string(::getpid()) + ".png";
  const std::string commands[] = {
      "convert '2024-02-10 CE'", "move day '2024-02-10 CE'", "search 'full moon' '2024-02-10 CE'",
      "list new-years 2024-02-10 --years 1", "year-data 2024-02-10", "self-test --entry '2024-02-10 CE'",
      "table --from 2024-02-10 --to 2024-02-10", "months --from 2024 --to 2024", "festivals --from 2024 --to 2024",
      "ics --from 2024 --to 2024 --events new-years", "calendar --png '" + png + "' '2024-02-10 CE'",
      "multi --day wood-rat --within 1 2024-02-10", "convert --batch"};
  for (const std::string& command : commands) {
    const std::string name = command.substr(0, command.find(' '));
    const Result good = RunCliWithInput(command + " --country JAPAN --longitude 136 --epoch -2636 --method TRUE",
                                        "2024-02-10 CE\n");
    EXPECT_EQ(good.status, 0) << command << "\n" << good.err;
    for (const auto& [option, err] : {std::pair{"--country mars", "--country must be china, vietnam or japan"},
                                      {"--longitude 99", "--longitude must be a whole number from 100 to 145"}}) {
      const Result bad = RunCli(command + " " + option);
      EXPECT_EQ(bad.status, 2) << command << " " << option;
      EXPECT_EQ(bad.err, "tavro-cli: " + name + ": " + err + "\n") << command;
    }
  }
  std::remove(png.c_str());
}

}  // namespace
