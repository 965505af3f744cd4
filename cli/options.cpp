#include "cli/options.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <iostream>

#include "app/main/frm_main.h"
#include "app/main/text_util.h"
#include "app/ui/headless_platform.h"
#include "core/time/data_folder.h"

namespace tavro::cli {

void AddPlain(CLI::App& app, const std::string& name, Plain& p, const std::string& help) {
  p.option = app.add_option(name, p.value, help);
}

std::optional<int32_t> ParseInt(const std::string& text) {
  int32_t value = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  auto [ptr, ec] = std::from_chars(begin, end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// Beside the executable in a build tree, ../share/tavro when installed.
std::string ProgramFolder() { return ProgramDataFolder(); }

bool IsPlainDate(const std::string& text) {
  size_t i = 0, fields = 0;
  if (i < text.size() && text[i] == '-') ++i;
  while (i < text.size()) {
    const size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == start) return false;
    ++fields;
    if (i == text.size()) break;
    if (text[i] != '-' || fields == 3) return false;
    ++i;
  }
  return fields == 3;
}

void AddSettingOptions(CLI::App& app, SettingOptions& o) {
  app.add_option("--country", o.country, "china, vietnam or japan: the reference meridian, zone and animal names")
      ->type_name("NAME");
  app.add_option("--longitude", o.longitude, "reference meridian, whole degrees East 100..145 (default: the country's)")
      ->type_name("DEG");
  app.add_option("--epoch", o.epoch, "-2696 or -2636: the year that begins cycle 1")->type_name("YEAR");
  app.add_option("--method", o.method, "true or mean: the sun the solar terms follow")->type_name("SUN");
}

std::string ApplySettingOptions(FrmMain& f, const SettingOptions& o) {
  if (!o.country.empty()) {
    const std::string c = ToLower(o.country);
    const int index = c == "vietnam" ? kCountryVietnam : c == "china" ? kCountryChina : c == "japan" ? kCountryJapan : -1;
    if (index < 0) return "--country must be china, vietnam or japan";
    f.cboRefLong.index = index;
    f.cboRefLong_Click();
  }
  if (!o.longitude.empty()) {
    int index = -1;
    for (size_t k = 0; k < f.cboLongitude.items.size() && index < 0; ++k)
      if (f.cboLongitude.items[k] == o.longitude) index = static_cast<int>(k);
    if (index < 0) return "--longitude must be a whole number from 100 to 145";
    f.cboLongitude.index = index;
    f.cboLongitude_Click();
  }
  if (!o.epoch.empty()) {
    if (o.epoch != "-2696" && o.epoch != "-2636") return "--epoch must be -2696 or -2636";
    f.cboEpoch.index = o.epoch == "-2696" ? 0 : 1;
    f.cboEpoch_Click();
  }
  if (!o.method.empty()) {
    const std::string m = ToLower(o.method);
    if (m != "true" && m != "mean") return "--method must be true or mean";
    f.cboMethod.index = m == "true" ? 0 : 1;
    f.cboMethod_Click();
  }
  return {};
}

void AddTimeOptions(CLI::App& app, WindowOptions& o) {
  app.add_option("--time", o.time, "time of day of the entry, HH:MM (default 12:00)")->type_name("HH:MM");
  app.add_option("--zone", o.zone, "gmt or local (the reference meridian's zone) for the entry's time")
      ->type_name("ZONE");
}

void AddWindowOptions(CLI::App& app, WindowOptions& o) {
  AddTimeOptions(app, o);
  AddSettingOptions(app, o.settings);
  app.add_option("--calendar", o.calendar,
                 "the calendar of an entry without a code (CE, JC, CHL, CHS, ARC, AJD, CJDC, CJDL, ARCGMT, ARCCCT)")
      ->type_name("CODE");
  app.add_flag("--json", o.json, "one JSON object: the rows and the moment as data");
}

std::string ApplyWindowOptions(FrmMain& f, const WindowOptions& o) {
  if (std::string error = ApplySettingOptions(f, o.settings); !error.empty()) return error;
  if (!o.calendar.empty()) {
    const int cal = GetCalendar(ToUpper(o.calendar));
    if (cal < 0) return "--calendar must be one of CE, JC, CHL, CHS, ARC, AJD, CJDC, CJDL, ARCGMT, ARCCCT";
    f.intCalendar = cal;
  }
  if (!o.zone.empty()) {
    const std::string z = ToLower(o.zone);
    if (z != "gmt" && z != "local") return "--zone must be gmt or local";
  }
  return {};
}

bool LoadMain(FrmMain& f, std::ostringstream& messages) {
  if (!f.Form_Load()) {
    std::cerr << "tavro-cli: " << messages.str();
    return false;
  }
  messages.str("");
  return true;
}

void SetEntry(FrmMain& f, const std::string& entry, const WindowOptions& o) {
  f.txbDate.text = entry;
  f.txbDate_Change();
  f.txbTime.text = o.time;
  if (!o.zone.empty()) f.cboTimeZone.index = ToLower(o.zone) == "gmt" ? 0 : 1;
}

bool Compute(FrmMain& f, const ui::HeadlessPlatform& platform, const std::ostringstream& messages) {
  const int before = platform.messageCount;
  f.cmdCompute_Click();
  if (platform.messageCount == before) return true;
  const std::string text = messages.str();
  std::cerr << text;
  return text.rfind("Calendar dates unchanged.", 0) == 0;
}

int ListIndex(const ui::ComboBox& list, const std::string& name) {
  const std::string wanted = ToLower(Trim(name));
  for (size_t k = 0; k < list.items.size(); ++k)
    if (ToLower(list.items[k]) == wanted) return static_cast<int>(k);
  if (!wanted.empty() && wanted.size() < 4 && wanted.find_first_not_of("0123456789") == std::string::npos) {
    const int k = std::stoi(wanted);
    if (list.Valid(k)) return k;
  }
  return -1;
}

}  // namespace tavro::cli
