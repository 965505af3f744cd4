// tavro-cli list: the data window's lists of lunar new years (or anniversaries
// of the entry's lunar date), month starts, leap months, and the lunar dates
// of Julian or CE new years.
// Built only when the data window is part of the build.
#ifdef TAVRO_HAVE_DATA_WINDOW

#include <optional>

#include "cli/command.h"
#include "cli/data_run.h"

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
  std::optional<std::string> entry;
  bool omitInvalid = false, crlf = false;
  ArgSpec argSpec;
  argSpec.flags = {{"--jc", &o.julian}, {"--omit-invalid", &omitInvalid}, {"--crlf", &crlf}};
  argSpec.values = {{"--years", &years}};
  AddSettingOptions(argSpec, o.settings);
  argSpec.plain = {&entry};
  if (!ReadArgs("list", Args(args.begin() + 1, args.end()), argSpec)) return 2;
  o.entry = entry.value_or("");

  return RunDataWindow("list", o, crlf, [&](FrmData& d) {
    d.chkLeapMonthsOnly.value = leapOnly ? 1 : 0;
    d.chkOmitInvalidDates.value = omitInvalid ? 1 : 0;
    d.txbNumYears.text = years;
    d.intWindow = window;
    d.cmdList_Click();
  });
}

const Registration reg{"list", kUsage, Run};

}  // namespace
}  // namespace tavro::cli

#endif  // TAVRO_HAVE_DATA_WINDOW
