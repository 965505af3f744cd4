// tavro-cli list: the data window's lists of lunar new years (or anniversaries
// of the entry's lunar date), month starts, leap months, and the lunar dates
// of Julian or CE new years.
// Built only when the data window is part of the build.
#ifdef TAVRO_HAVE_DATA_WINDOW

#include <iostream>

#include "app/data/headless_run.h"
#include "cli/command.h"

namespace tavro::cli {
namespace {

constexpr const char* kUsage =
    "list new-years|months|leap-months|jc-ce [--years N] [--jc] [--omit-invalid] [ENTRY] "
    "[--country china|vietnam|japan] [--longitude 100..145] [--epoch -2696|-2636] [--method true|mean] [--crlf]";

int Run(const Args& args) {
  if (args.empty()) return UsageError("list: say which list: new-years, months, leap-months or jc-ce");
  const std::string kind = args[0];
  int window = 0;
  bool leapOnly = false;
  if (kind == "new-years") window = kWindowNewYears;
  else if (kind == "months") window = kWindowMonthStarts;
  else if (kind == "leap-months") window = kWindowMonthStarts, leapOnly = true;
  else if (kind == "jc-ce") window = kWindowJcCeNewYears;
  else return UsageError("list: unknown list '" + kind + "' (new-years, months, leap-months or jc-ce)");

  HeadlessDataOptions o;
  std::string years;
  bool omitInvalid = false, crlf = false, haveEntry = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    bool ok = true;
    if (a == "--years") ok = value(years);
    else if (a == "--jc") o.julian = true;
    else if (a == "--omit-invalid") omitInvalid = true;
    else if (a == "--crlf") crlf = true;
    else if (a == "--country") ok = value(o.country);
    else if (a == "--longitude") ok = value(o.longitude);
    else if (a == "--epoch") ok = value(o.epoch);
    else if (a == "--method") ok = value(o.method);
    else if (a.size() > 2 && a.compare(0, 2, "--") == 0) return UsageError("list: unknown option '" + a + "'");
    else if (!haveEntry) haveEntry = true, o.entry = a;
    else return UsageError("list: more than one entry given: '" + a + "'");
    if (!ok) return UsageError("list: " + a + " needs a value");
  }

  HeadlessData run(ExecutableFolder());
  std::string error;
  if (!run.Start(o, error)) return UsageError("list: " + error);
  FrmData& d = run.data();
  d.chkLeapMonthsOnly.value = leapOnly ? 1 : 0;
  d.chkOmitInvalidDates.value = omitInvalid ? 1 : 0;
  d.txbNumYears.text = years;
  d.intWindow = window;
  d.cmdList_Click();
  std::cout << PrintedText(d.txbText.text, crlf);
  std::cerr << run.TakeMessages();
  return 0;
}

const Registration reg{"list", kUsage, Run};

}  // namespace
}  // namespace tavro::cli

#endif  // TAVRO_HAVE_DATA_WINDOW
