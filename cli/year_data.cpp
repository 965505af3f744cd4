// tavro-cli year-data: the data window's year data (dark moons of three sui,
// optionally with the solar terms) for a moment.
// Built only when the data window is part of the build.
#ifdef TAVRO_HAVE_DATA_WINDOW

#include <iostream>

#include "app/data/headless_run.h"
#include "cli/command.h"

namespace tavro::cli {
namespace {

constexpr const char* kUsage =
    "year-data [ENTRY] [--major] [--minor] [--names] [--jc] [--country china|vietnam|japan] [--longitude 100..145] "
    "[--epoch -2696|-2636] [--method true|mean] [--crlf]";

int Run(const Args& args) {
  HeadlessDataOptions o;
  bool major = false, minor = false, names = false, crlf = false, haveEntry = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    bool ok = true;
    if (a == "--major") major = true;
    else if (a == "--minor") minor = true;
    else if (a == "--names") names = true;
    else if (a == "--jc") o.julian = true;
    else if (a == "--crlf") crlf = true;
    else if (a == "--country") ok = value(o.country);
    else if (a == "--longitude") ok = value(o.longitude);
    else if (a == "--epoch") ok = value(o.epoch);
    else if (a == "--method") ok = value(o.method);
    else if (a.size() > 2 && a.compare(0, 2, "--") == 0) return UsageError("year-data: unknown option '" + a + "'");
    else if (!haveEntry) haveEntry = true, o.entry = a;
    else return UsageError("year-data: more than one entry given: '" + a + "'");
    if (!ok) return UsageError("year-data: " + a + " needs a value");
  }

  HeadlessData run(ExecutableFolder());
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
