// tavro-cli multi: the multiple element-animal search without the windows.
// Like convert, every run starts from the program's defaults and never
// touches the saved state or the settings store.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "app/main/frm_main.h"
#include "app/main/shown_rows.h"
#include "app/multisearch/frm_multiple_el_an.h"
#include "app/ui/headless_platform.h"
#include "cli/command.h"
#include "cli/options.h"
#include "cli/rows.h"
#include "core/chinese/names.h"
#include "core/time/scales.h"

namespace tavro::cli {
namespace {

struct MultiOptions {
  WindowOptions window;
  Plain entry;
  std::string within = "100", pairs[3];
  bool previous = false, fromToday = false;
};

// "wood-rat", "wood-", "-rat", "wood" or "rat" (animal names of any country).
bool ParsePair(const std::string& text, int& element, int& animal) {
  element = kNoElement;
  animal = kNoAnimal;
  const size_t dash = text.find('-');
  if (dash == std::string::npos) {
    if (const int e = ElementIndexOfName(text); e >= 0) element = e;
    else if (const int a = AnimalIndexOfName(text); a >= 0) animal = a;
    else return false;
    return true;
  }
  const std::string e = text.substr(0, dash), a = text.substr(dash + 1);
  if (e.empty() && a.empty()) return false;
  if (!e.empty() && (element = ElementIndexOfName(e)) < 0) return false;
  if (!a.empty() && (animal = AnimalIndexOfName(a)) < 0) return false;
  return true;
}

int Run(MultiOptions& mo) {
  WindowOptions& o = mo.window;
  const std::string& within = mo.within;
  const std::string* pairs = mo.pairs;
  const bool previous = mo.previous, fromToday = mo.fromToday;
  std::optional<std::string> entry;
  if (mo.entry.given()) entry = mo.entry.value;
  // Without an entry the zone is never used, nor checked.
  if (!entry) o.zone.clear();
  int rows[3][2];
  bool any = false;
  static const char* const kRowOption[3] = {"--day", "--month", "--year"};
  for (int r = 0; r < 3; ++r) {
    rows[r][0] = kNoElement;
    rows[r][1] = kNoAnimal;
    if (pairs[r].empty()) continue;
    if (!ParsePair(pairs[r], rows[r][0], rows[r][1]))
      return UsageError(std::string("multi: ") + kRowOption[r] + " must be ELEMENT-ANIMAL, ELEMENT- or -ANIMAL, not '" +
                        pairs[r] + "'");
    any = true;
  }
  if (!any) return UsageError("multi: give at least one of --day, --month, --year");
  int withinIndex = -1;
  for (size_t k = 0; k < kWithinYears.size(); ++k)
    if (within == std::to_string(kWithinYears[k])) withinIndex = static_cast<int>(k);
  if (withinIndex < 0) return UsageError("multi: --within must be 1, 10, 100 or 1000");

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!LoadMain(f, messages)) return 1;
  if (const std::string error = ApplyWindowOptions(f, o); !error.empty()) return UsageError("multi: " + error);
  if (entry) {
    SetEntry(f, IsPlainDate(*entry) ? *entry + " CE" : *entry, o);
    if (!Compute(f, messages, "multi")) return 2;
    messages.str("");
  }

  FrmMultipleElAn w(platform);
  for (int r = 0; r < 3; ++r) w.Preset(r, rows[r][0], rows[r][1]);
  w.cboWithin.index = withinIndex;
  w.chkStartingFromToday.value = fromToday ? 1 : 0;
  MultipleSearchInputs in;
  in.currentAJD = f.dblCurrentAJDate;
  in.next = !previous;
  in.settings = f.CurrentSettings();
  in.country = CountryOfIndex(f.Country());
  w.Show(in);
  w.cmdSearch_Click();
  if (w.blnCancel) {
    std::cerr << "tavro-cli: multi: " << OneLine(messages.str()) << "\n";
    return 1;
  }

  f.dblCurrentAJDate = FromCJDC(w.lngCJDN + 0.5, f.ReferenceLongitude());
  f.Recalculate(kAutoLogSearch);
  std::string out = kRowsHeader;
  out += RowLine("search", std::string("Search for ") + (previous ? "previous" : "next"), w.MultipleElementAnimalStr());
  for (const auto& r : ShownRows(f)) out += RowLine(r.key, r.title, r.text);
  std::cout << out;
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<MultiOptions>();
  AddPlain(app, "ENTRY", o->entry, std::string(kEntryHelp) + " (default: now; a bare YYYY-MM-DD is CE)");
  app.add_option("--day", o->pairs[kRowDay], "the day's pair: ELEMENT-ANIMAL, ELEMENT- or -ANIMAL")->type_name("E-A");
  app.add_option("--month", o->pairs[kRowMonth], "the month's pair")->type_name("E-A");
  app.add_option("--year", o->pairs[kRowYear], "the year's pair")->type_name("E-A");
  app.add_option("--within", o->within, "years to search: 1, 10, 100 or 1000 (default 100)")->type_name("YEARS");
  app.add_flag("--previous", o->previous, "search backwards");
  app.add_flag("--from-today", o->fromToday, "start from today instead of the entry");
  AddTimeOptions(app, o->window);
  AddSettingOptions(app, o->window.settings);
  return [o] { return Run(*o); };
}

const Registration reg{"multi", "the multiple element-animal search: a day whose day, month and year names match",
                       Setup};

}  // namespace
}  // namespace tavro::cli
