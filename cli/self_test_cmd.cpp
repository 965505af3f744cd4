// tavro-cli self-test: the data window's conversion self-test, on 1000 random
// date pairs (reproducible with --seed) or on the dates of a typed moment.
// Exit status 1 when a conversion did not come back unchanged.

#include <CLI/CLI.hpp>
#include <charconv>
#include <iostream>
#include <memory>

#include "app/main/calendar_table.h"
#include "cli/command.h"
#include "cli/data_run.h"

namespace tavro::cli {
namespace {

struct SelfTestOptions {
  HeadlessDataOptions data;
  std::string seedText, entry;
  CLI::Option *seedOption = nullptr, *entryOption = nullptr;
  bool crlf = false;
};

int Run(SelfTestOptions& so) {
  HeadlessDataOptions& o = so.data;
  const std::string& seedText = so.seedText;
  const std::string& entry = so.entry;
  const bool haveSeed = Given(so.seedOption), haveEntry = Given(so.entryOption), crlf = so.crlf;
  if (haveSeed && haveEntry) return UsageError("self-test: give --seed or --entry, not both");
  uint64_t seed = 0;
  if (haveSeed) {
    auto [ptr, ec] = std::from_chars(seedText.data(), seedText.data() + seedText.size(), seed);
    if (seedText.empty() || ec != std::errc() || ptr != seedText.data() + seedText.size())
      return UsageError("self-test: --seed must be a whole number from 0 to 18446744073709551615");
  }
  if (haveEntry && entry.find_first_not_of(" \t") == std::string::npos)
    return UsageError("self-test: --entry needs a date");

  HeadlessData run(ProgramFolder());
  std::string error;
  if (!run.Start(o, error)) return UsageError("self-test: " + error);
  FrmData& d = run.data();
  d.useSeed = haveSeed;
  d.seed = seed;
  d.txbStart.text = entry;
  d.DoTest();
  // A refused moment is tested not at all: a user error like any refused entry.
  const std::string shown = run.TakeMessages();
  if (d.testResult.entryError != 0)
    return UsageError("self-test: " + EntryErrorLine(d.testResult.entryError, run.main().Country() == kCountryChina));
  if (d.testResult.outOfRange) return UsageError("self-test: " + OneLine(shown));
  std::cout << PrintedText(d.txbText.text, crlf);
  return d.testResult.mismatches > 0 ? 1 : 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<SelfTestOptions>();
  o->seedOption = app.add_option("--seed", o->seedText, "seed of the 1000 random dates, 0..2^64-1 (repeatable runs)")
                      ->type_name("S");
  o->entryOption =
      app.add_option("--entry", o->entry, "test the dates of this moment instead (a date as typed)")->type_name("TEXT");
  app.add_flag("--crlf", o->crlf, "CR LF line ends, as the window's text");
  AddSettingOptions(app, o->data.settings);
  return [o] { return Run(*o); };
}

const Registration reg{"self-test", "the data window's conversion self-test (exit 1 when a date comes back changed)",
                       Setup};

}  // namespace
}  // namespace tavro::cli

