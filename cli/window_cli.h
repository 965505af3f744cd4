// What the commands that drive the main window share: its options on the
// command line, the entry, and the rows it shows, printed as TSV or JSON.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/main/frm_main.h"
#include "app/main/shown_rows.h"
#include "app/main/text_util.h"
#include "cli/command.h"

namespace tavro::cli::window {

inline std::string ProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return exe.parent_path().string();
}

inline std::string JsonString(const std::string& s) {
  std::string r = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': r += "\\\""; break;
      case '\\': r += "\\\\"; break;
      case '\n': r += "\\n"; break;
      case '\r': r += "\\r"; break;
      case '\t': r += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          r += buf;
        } else {
          r += static_cast<char>(c);
        }
    }
  }
  return r + "\"";
}

inline std::string Tsv(const std::string& s) {
  std::string r;
  for (char c : s) r += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
  return r;
}

inline constexpr const char* kOptionsUsage =
    "[--time HH:MM] [--zone gmt|local] [--country china|vietnam|japan] [--longitude 100..145] "
    "[--epoch -2696|-2636] [--method true|mean] [--calendar CODE] [--json]";

struct Options {
  std::string time, zone, country, longitude, epoch, method, calendar;
  bool json = false;
};

// Reads the window option at args[i] (moving i past its value): 1 when read,
// 0 when args[i] is none of them, -1 when its value is missing.
inline int TakeOption(const Args& args, size_t& i, Options& o) {
  const std::string& a = args[i];
  std::string* target = a == "--time"        ? &o.time
                        : a == "--zone"      ? &o.zone
                        : a == "--country"   ? &o.country
                        : a == "--longitude" ? &o.longitude
                        : a == "--epoch"     ? &o.epoch
                        : a == "--method"    ? &o.method
                        : a == "--calendar"  ? &o.calendar
                                             : nullptr;
  if (a == "--json") {
    o.json = true;
    return 1;
  }
  if (!target) return 0;
  if (i + 1 >= args.size()) return -1;
  *target = args[++i];
  return 1;
}

// Sets the window's lists as the user would; an error text when an option
// has no such value.
inline std::string ApplyOptions(FrmMain& f, const Options& o) {
  if (!o.country.empty()) {
    const std::string c = ToLower(o.country);
    const int index = c == "vietnam" ? kCountryVietnam : c == "china" ? kCountryChina : c == "japan" ? kCountryJapan : -1;
    if (index < 0) return "--country must be china, vietnam or japan";
    f.cboRefLong.index = index;
    f.cboRefLong_Click();
  }
  if (!o.longitude.empty()) {
    int index = -1;
    for (size_t k = 0; k < f.cboLongitude.items.size(); ++k)
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

// Puts a typed entry into the date boxes, as pending input for the next action.
inline void SetEntry(FrmMain& f, const std::string& entry, const Options& o) {
  f.txbDate.text = entry;
  f.txbDate_Change();
  f.txbTime.text = o.time;
  if (!o.zone.empty()) f.cboTimeZone.index = ToLower(o.zone) == "gmt" ? 0 : 1;
}

// The rows the window shows: a TSV table with a header line, or JSON.
inline std::string RowsText(const FrmMain& f, bool json) {
  const auto rows = ShownRows(f);
  std::string out;
  if (json) {
    out = "[\n";
    for (size_t k = 0; k < rows.size(); ++k)
      out += "  {\"row\": " + JsonString(rows[k].key) + ", \"title\": " + JsonString(rows[k].title) +
             ", \"text\": " + JsonString(rows[k].text) + "}" + (k + 1 < rows.size() ? ",\n" : "\n");
    out += "]\n";
  } else {
    out = "row\ttitle\ttext\n";
    for (const auto& r : rows) out += r.key + "\t" + Tsv(r.title) + "\t" + Tsv(r.text) + "\n";
  }
  return out;
}

// Index of `name` in `list` (its text, any letter case, or its index).
inline int ListIndex(const ui::ComboBox& list, const std::string& name) {
  const std::string wanted = ToLower(Trim(name));
  for (size_t k = 0; k < list.items.size(); ++k)
    if (ToLower(list.items[k]) == wanted) return static_cast<int>(k);
  if (!wanted.empty() && wanted.size() < 4 && wanted.find_first_not_of("0123456789") == std::string::npos) {
    const int k = std::stoi(wanted);
    if (list.Valid(k)) return k;
  }
  return -1;
}

}  // namespace tavro::cli::window
