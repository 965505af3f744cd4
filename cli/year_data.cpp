// tavro-cli year-data: the data window's year data (dark moons of three sui,
// optionally with the solar terms) for a moment.
// Built only when the data window is part of the build.
#ifdef TAVRO_HAVE_DATA_WINDOW

#include <iostream>
#include <optional>

#include "cli/command.h"
#include "cli/data_run.h"

namespace tavro::cli {
namespace {

constexpr const char* kUsage =
    "year-data [ENTRY] [--major] [--minor] [--names] [--jc] [--country china|vietnam|japan] [--longitude 100..145] "
    "[--epoch -2696|-2636] [--method true|mean] [--crlf]";

int Run(const Args& args) {
  HeadlessDataOptions o;
  std::optional<std::string> entry;
  bool major = false, minor = false, names = false, crlf = false;
  ArgSpec spec;
  spec.flags = {{"--major", &major}, {"--minor", &minor}, {"--names", &names}, {"--jc", &o.julian}, {"--crlf", &crlf}};
  AddSettingOptions(spec, o.settings);
  spec.plain = {&entry};
  if (!ReadArgs("year-data", args, spec)) return 2;
  o.entry = entry.value_or("");

  HeadlessData run(ProgramFolder());
  std::string error;
  if (!run.Start(o, error)) return UsageError("year-data: " + error);
  FrmData& d = run.data();
  d.chkIncludeMajorSolarTerms.value = major ? 1 : 0;
  d.chkIncludeMinorSolarTerms.value = minor ? 1 : 0;
  d.chkDisplaySolarTermNames.value = names ? 1 : 0;
  d.DisplayYearData();
  std::cout << PrintedText(d.txbText.text, crlf);
  std::cerr << run.TakeMessages();
  return 0;
}

const Registration reg{"year-data", kUsage, Run};

}  // namespace
}  // namespace tavro::cli

#endif  // TAVRO_HAVE_DATA_WINDOW
