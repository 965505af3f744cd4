// tavro-cli self-test: the data window's conversion self-test, on 1000 random
// date pairs (reproducible with --seed) or on the dates of a typed moment.
// Exit status 1 when a conversion did not come back unchanged.
// Built only when the data window is part of the build.
#ifdef TAVRO_HAVE_DATA_WINDOW

#include <charconv>
#include <iostream>

#include "cli/command.h"
#include "cli/data_run.h"

namespace tavro::cli {
namespace {

constexpr const char* kUsage =
    "self-test [--seed S | --entry TEXT] [--country china|vietnam|japan] [--longitude 100..145] "
    "[--epoch -2696|-2636] [--method true|mean] [--crlf]";

int Run(const Args& args) {
  HeadlessDataOptions o;
  std::string seedText, entry;
  bool haveSeed = false, haveEntry = false, crlf = false;
  ArgSpec argSpec;
  argSpec.flags = {{"--crlf", &crlf}};
  argSpec.values = {{"--seed", &seedText, &haveSeed}, {"--entry", &entry, &haveEntry}};
  AddSettingOptions(argSpec, o.settings);
  if (!ReadArgs("self-test", args, argSpec)) return 2;
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
  // The window refuses a moment out of range with a message and tests
  // nothing: a user error like any refused entry.
  std::string refused = run.TakeMessages();
  if (!refused.empty()) {
    while (!refused.empty() && (refused.back() == '\n' || refused.back() == '\r')) refused.pop_back();
    return UsageError("self-test: " + refused);
  }
  const std::string& text = d.txbText.text;
  std::cout << PrintedText(text, crlf);
  if (text.find("Error code =") != std::string::npos) return 2;
  return text.find(" but") != std::string::npos ? 1 : 0;
}

const Registration reg{"self-test", kUsage, Run};

}  // namespace
}  // namespace tavro::cli

#endif  // TAVRO_HAVE_DATA_WINDOW
