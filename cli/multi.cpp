// tavro-cli multi: the multiple element-animal search without the windows.
// Like convert, every run starts from the program's defaults and never
// touches the saved state or the settings store.
#include <filesystem>
#include <cctype>
#include <iostream>
#include <sstream>

#include "app/main/frm_main.h"
#include "app/main/shown_rows.h"
#include "app/main/text_util.h"
#include "app/multisearch/frm_multiple_el_an.h"
#include "app/ui/headless_platform.h"
#include "cli/command.h"
#include "core/chinese/names.h"
#include "core/time/scales.h"

namespace tavro::cli {
namespace {

constexpr const char* kUsage =
    "multi [--day E-A] [--month E-A] [--year E-A] [--within 1|10|100|1000] [--previous] [--from-today] [ENTRY (default: now; a bare YYYY-MM-DD is CE)] "
    "[--time HH:MM] [--zone gmt|local] [--country china|vietnam|japan] [--longitude 100..145] "
    "[--epoch -2696|-2636] [--method true|mean]";

std::string ProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return exe.parent_path().string();
}

std::string Tsv(const std::string& s) {
  std::string r;
  for (char c : s) r += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
  return r;
}

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

// Year-month-day without a calendar code (read as a CE date).
bool IsBareDate(const std::string& text) {
  size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
  for (int part = 0; part < 3; ++part) {
    const size_t from = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == from) return false;
    if (part < 2) {
      if (i >= text.size() || text[i] != '-') return false;
      ++i;
    }
  }
  return i == text.size();
}

struct Options {
  bool haveEntry = false, previous = false, fromToday = false;
  std::string entry, time, zone, country, longitude, epoch, method, within = "100";
  std::string pairs[3];
};

int Run(const Args& args) {
  Options o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    bool ok = true;
    if (a == "--previous") o.previous = true;
    else if (a == "--from-today") o.fromToday = true;
    else if (a == "--day") ok = value(o.pairs[kRowDay]);
    else if (a == "--month") ok = value(o.pairs[kRowMonth]);
    else if (a == "--year") ok = value(o.pairs[kRowYear]);
    else if (a == "--within") ok = value(o.within);
    else if (a == "--time") ok = value(o.time);
    else if (a == "--zone") ok = value(o.zone);
    else if (a == "--country") ok = value(o.country);
    else if (a == "--longitude") ok = value(o.longitude);
    else if (a == "--epoch") ok = value(o.epoch);
    else if (a == "--method") ok = value(o.method);
    else if (a.size() > 2 && a.compare(0, 2, "--") == 0) return UsageError("multi: unknown option '" + a + "'");
    else if (!o.haveEntry) o.haveEntry = true, o.entry = a;
    else return UsageError("multi: more than one entry given: '" + a + "'");
    if (!ok) return UsageError("multi: " + a + " needs a value");
  }
  int rows[3][2];
  bool any = false;
  static const char* const kRowOption[3] = {"--day", "--month", "--year"};
  for (int r = 0; r < 3; ++r) {
    rows[r][0] = kNoElement;
    rows[r][1] = kNoAnimal;
    if (o.pairs[r].empty()) continue;
    if (!ParsePair(o.pairs[r], rows[r][0], rows[r][1]))
      return UsageError(std::string("multi: ") + kRowOption[r] + " must be ELEMENT-ANIMAL, ELEMENT- or -ANIMAL, not '" +
                        o.pairs[r] + "'");
    any = true;
  }
  if (!any) return UsageError("multi: give at least one of --day, --month, --year");
  int withinIndex = -1;
  for (size_t k = 0; k < kWithinYears.size(); ++k)
    if (o.within == std::to_string(kWithinYears[k])) withinIndex = static_cast<int>(k);
  if (withinIndex < 0) return UsageError("multi: --within must be 1, 10, 100 or 1000");

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!f.Form_Load()) {
    std::cerr << "tavro-cli: " << messages.str();
    return 1;
  }
  messages.str("");

  if (!o.country.empty()) {
    const std::string c = ToLower(o.country);
    const int index = c == "vietnam" ? kCountryVietnam : c == "china" ? kCountryChina : c == "japan" ? kCountryJapan : -1;
    if (index < 0) return UsageError("multi: --country must be china, vietnam or japan");
    f.cboRefLong.index = index;
    f.cboRefLong_Click();
  }
  if (!o.longitude.empty()) {
    int index = -1;
    for (size_t k = 0; k < f.cboLongitude.items.size(); ++k)
      if (f.cboLongitude.items[k] == o.longitude) index = static_cast<int>(k);
    if (index < 0) return UsageError("multi: --longitude must be a whole number from 100 to 145");
    f.cboLongitude.index = index;
    f.cboLongitude_Click();
  }
  if (!o.epoch.empty()) {
    if (o.epoch != "-2696" && o.epoch != "-2636") return UsageError("multi: --epoch must be -2696 or -2636");
    f.cboEpoch.index = o.epoch == "-2696" ? 0 : 1;
    f.cboEpoch_Click();
  }
  if (!o.method.empty()) {
    const std::string m = ToLower(o.method);
    if (m != "true" && m != "mean") return UsageError("multi: --method must be true or mean");
    f.cboMethod.index = m == "true" ? 0 : 1;
    f.cboMethod_Click();
  }
  if (o.haveEntry) {
    f.txbDate.text = IsBareDate(o.entry) ? o.entry + " CE" : o.entry;
    f.txbDate_Change();
    f.txbTime.text = o.time;
    if (!o.zone.empty()) {
      const std::string z = ToLower(o.zone);
      if (z != "gmt" && z != "local") return UsageError("multi: --zone must be gmt or local");
      f.cboTimeZone.index = z == "gmt" ? 0 : 1;
    }
    const int before = platform.messageCount;
    f.cmdCompute_Click();
    if (platform.messageCount > before) {
      const std::string text = messages.str();
      std::cerr << text;
      if (text.rfind("Calendar dates unchanged.", 0) != 0) return 2;
    }
    messages.str("");
  }

  FrmMultipleElAn w(platform);
  for (int r = 0; r < 3; ++r) w.Preset(r, rows[r][0], rows[r][1]);
  w.cboWithin.index = withinIndex;
  w.chkStartingFromToday.value = o.fromToday ? 1 : 0;
  MultipleSearchInputs in;
  in.currentAJD = f.dblCurrentAJDate;
  in.next = !o.previous;
  in.settings = f.CurrentSettings();
  in.country = static_cast<Country>(f.Country());
  w.Show(in);
  w.cmdSearch_Click();
  if (w.blnCancel) {
    std::cerr << messages.str();
    return 1;
  }

  f.dblCurrentAJDate = FromCJDC(w.lngCJDN + 0.5, f.ReferenceLongitude());
  f.Recalculate(4);
  std::string out = "row\ttitle\ttext\n";
  out += std::string("search\tSearch for ") + (o.previous ? "previous" : "next") + "\t" +
         Tsv(w.MultipleElementAnimalStr()) + "\n";
  for (const auto& r : ShownRows(f)) out += r.key + "\t" + Tsv(r.title) + "\t" + Tsv(r.text) + "\n";
  std::cout << out;
  return 0;
}

const Registration reg{"multi", kUsage, Run};

}  // namespace
}  // namespace tavro::cli
