// tavro-cli year-data: the data window's year data (dark moons of three sui,
// optionally with the solar terms) for a moment.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/command.h"
#include "cli/data_run.h"

namespace tavro::cli {
namespace {

struct YearDataOptions {
  HeadlessDataOptions data;
  Plain entry;
  bool major = false, minor = false, names = false, crlf = false;
};

int Run(YearDataOptions& yo) {
  HeadlessDataOptions& o = yo.data;
  const bool major = yo.major, minor = yo.minor, names = yo.names, crlf = yo.crlf;
  o.entry = yo.entry.value;

  return RunDataWindow("year-data", o, crlf, [&](FrmData& d) {
    d.chkIncludeMajorSolarTerms.value = major ? 1 : 0;
    d.chkIncludeMinorSolarTerms.value = minor ? 1 : 0;
    d.chkDisplaySolarTermNames.value = names ? 1 : 0;
    d.DisplayYearData();
  });
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<YearDataOptions>();
  AddPlain(app, "ENTRY", o->entry, std::string(kEntryHelp) + " (default: now; a bare YYYY-MM-DD is CE)");
  app.add_flag("--major", o->major, "include the major solar terms");
  app.add_flag("--minor", o->minor, "include the minor solar terms");
  app.add_flag("--names", o->names, "write the solar terms' names");
  app.add_flag("--jc", o->data.julian, "dates in the Julian Calendar");
  app.add_flag("--crlf", o->crlf, "CR LF line ends, as the window's text");
  AddSettingOptions(app, o->data.settings);
  return [o] { return Run(*o); };
}

const Registration reg{"year-data", "the data window's year data: dark moons (and solar terms) of three sui", Setup};

}  // namespace
}  // namespace tavro::cli

