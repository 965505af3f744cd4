// tavro-cli year-data: the data window's year data (dark moons of three sui,
// optionally with the solar terms) for a moment.
// Built only when the data window is part of the build.
#ifdef TAVRO_HAVE_DATA_WINDOW

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
  ArgSpec argSpec;
  argSpec.flags = {{"--major", &major}, {"--minor", &minor}, {"--names", &names}, {"--jc", &o.julian}, {"--crlf", &crlf}};
  AddSettingOptions(argSpec, o.settings);
  argSpec.plain = {&entry};
  if (!ReadArgs("year-data", args, argSpec)) return 2;
  o.entry = entry.value_or("");

  return RunDataWindow("year-data", o, crlf, [&](FrmData& d) {
    d.chkIncludeMajorSolarTerms.value = major ? 1 : 0;
    d.chkIncludeMinorSolarTerms.value = minor ? 1 : 0;
    d.chkDisplaySolarTermNames.value = names ? 1 : 0;
    d.DisplayYearData();
  });
}

const Registration reg{"year-data", kUsage, Run};

}  // namespace
}  // namespace tavro::cli

#endif  // TAVRO_HAVE_DATA_WINDOW
