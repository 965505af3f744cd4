// tavro-cli list: the data window's lists of lunar new years (or anniversaries
// of the entry's lunar date), month starts, leap months, and the lunar dates
// of Julian or CE new years.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/command.h"
#include "cli/data_run.h"

namespace tavro::cli {
namespace {

struct ListOptions {
  HeadlessDataOptions data;
  Plain kind, entry;
  std::string years;
  bool omitInvalid = false, crlf = false;
};

int Run(ListOptions& lo) {
  if (!lo.kind.given()) return UsageError("list: say which list: new-years, months, leap-months or jc-ce");
  const std::string& kind = lo.kind.value;
  int window = 0;
  bool leapOnly = false;
  if (kind == "new-years") window = kWindowNewYears;
  else if (kind == "months") window = kWindowMonthStarts;
  else if (kind == "leap-months") window = kWindowMonthStarts, leapOnly = true;
  else if (kind == "jc-ce") window = kWindowJcCeNewYears;
  else return UsageError("list: unknown list '" + kind + "' (new-years, months, leap-months or jc-ce)");

  HeadlessDataOptions& o = lo.data;
  const std::string& years = lo.years;
  const bool omitInvalid = lo.omitInvalid, crlf = lo.crlf;
  o.entry = lo.entry.value;

  return RunDataWindow("list", o, crlf, [&](FrmData& d) {
    d.chkLeapMonthsOnly.value = leapOnly ? 1 : 0;
    d.chkOmitInvalidDates.value = omitInvalid ? 1 : 0;
    d.txbNumYears.text = years;
    d.intWindow = window;
    d.cmdList_Click();
  });
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<ListOptions>();
  AddPlain(app, "LIST", o->kind, "new-years, months, leap-months or jc-ce");
  AddPlain(app, "ENTRY", o->entry, std::string(kEntryHelp) + " (default: now; a bare YYYY-MM-DD is CE)");
  app.add_option("--years", o->years, "number of years to list (the window's default when left out)")->type_name("N");
  app.add_flag("--jc", o->data.julian, "dates in the Julian Calendar");
  app.add_flag("--omit-invalid", o->omitInvalid, "leave out the dates that do not exist");
  app.add_flag("--crlf", o->crlf, "CR LF line ends, as the window's text");
  AddSettingOptions(app, o->data.settings);
  return [o] { return Run(*o); };
}

const Registration reg{"list", "the data window's lists: lunar new years, month starts, leap months, JC/CE new years",
                       Setup};

}  // namespace
}  // namespace tavro::cli

