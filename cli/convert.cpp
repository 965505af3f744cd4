// tavro-cli convert: the main window's conversion without the window. Every
// run starts from the program's defaults (China, 120 degrees East, epoch
// -2696, true sun) and never touches the saved state or the settings store.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <sstream>

#include "app/log/log_controller.h"
#include "app/main/frm_main.h"
#include "app/main/shown_rows.h"
#include "app/main/text_util.h"
#include "app/ui/headless_platform.h"
#include "cli/command.h"

namespace tavro::cli {
namespace {

constexpr const char* kUsage =
    "convert ENTRY [--time HH:MM] [--zone gmt|local] [--plus DAYS | --minus DAYS] [--country china|vietnam|japan] "
    "[--longitude 100..145] [--epoch -2696|-2636] [--method true|mean] [--calendar CODE] [--json | --log]";

std::string ProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return exe.parent_path().string();
}

std::string JsonString(const std::string& s) {
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

std::string Tsv(const std::string& s) {
  std::string r;
  for (char c : s) r += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
  return r;
}

struct Options {
  bool haveEntry = false;
  std::string entry, time, zone, plus, minus, country, longitude, epoch, method, calendar;
  bool json = false;
  bool log = false;  // the entry "Add to log" would write, default preferences
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
    if (a == "--json") o.json = true;
    else if (a == "--log") o.log = true;
    else if (a == "--time") ok = value(o.time);
    else if (a == "--zone") ok = value(o.zone);
    else if (a == "--plus") ok = value(o.plus);
    else if (a == "--minus") ok = value(o.minus);
    else if (a == "--country") ok = value(o.country);
    else if (a == "--longitude") ok = value(o.longitude);
    else if (a == "--epoch") ok = value(o.epoch);
    else if (a == "--method") ok = value(o.method);
    else if (a == "--calendar") ok = value(o.calendar);
    else if (a.size() > 2 && a.compare(0, 2, "--") == 0) return UsageError("convert: unknown option '" + a + "'");
    else if (!o.haveEntry) o.haveEntry = true, o.entry = a;
    else return UsageError("convert: more than one entry given: '" + a + "'");
    if (!ok) return UsageError("convert: " + a + " needs a value");
  }
  if (!o.plus.empty() && !o.minus.empty()) return UsageError("convert: give --plus or --minus, not both");
  if (o.json && o.log) return UsageError("convert: give --json or --log, not both");

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!f.Form_Load()) {
    std::cerr << "tavro-cli: " << messages.str();
    return 1;
  }
  messages.str("");

  // Options, as the window's lists would set them.
  if (!o.country.empty()) {
    const std::string c = ToLower(o.country);
    const int index = c == "vietnam" ? kCountryVietnam : c == "china" ? kCountryChina : c == "japan" ? kCountryJapan : -1;
    if (index < 0) return UsageError("convert: --country must be china, vietnam or japan");
    f.cboRefLong.index = index;
    f.cboRefLong_Click();
  }
  if (!o.longitude.empty()) {
    const int index = f.cboLongitude.items.empty() ? -1 : [&] {
      for (size_t k = 0; k < f.cboLongitude.items.size(); ++k)
        if (f.cboLongitude.items[k] == o.longitude) return static_cast<int>(k);
      return -1;
    }();
    if (index < 0) return UsageError("convert: --longitude must be a whole number from 100 to 145");
    f.cboLongitude.index = index;
    f.cboLongitude_Click();
  }
  if (!o.epoch.empty()) {
    if (o.epoch != "-2696" && o.epoch != "-2636") return UsageError("convert: --epoch must be -2696 or -2636");
    f.cboEpoch.index = o.epoch == "-2696" ? 0 : 1;
    f.cboEpoch_Click();
  }
  if (!o.method.empty()) {
    const std::string m = ToLower(o.method);
    if (m != "true" && m != "mean") return UsageError("convert: --method must be true or mean");
    f.cboMethod.index = m == "true" ? 0 : 1;
    f.cboMethod_Click();
  }
  if (!o.calendar.empty()) {
    const int cal = GetCalendar(ToUpper(o.calendar));
    if (cal < 0) return UsageError("convert: --calendar must be one of CE, JC, CHL, CHS, ARC, AJD, CJDC, CJDL, ARCGMT, ARCCCT");
    f.intCalendar = cal;
  }
  platform.ask = [&](const std::string& text, const std::string&, ui::Buttons) {
    if (!o.calendar.empty()) return ui::Answer::Yes;
    if (isatty(0) && isatty(2)) {
      std::cerr << text << " [y/N] " << std::flush;
      std::string line;
      std::getline(std::cin, line);
      return !line.empty() && (line[0] == 'y' || line[0] == 'Y') ? ui::Answer::Yes : ui::Answer::No;
    }
    return ui::Answer::No;
  };

  if (o.haveEntry || !o.plus.empty() || !o.minus.empty()) {
    f.txbDate.text = o.entry;
    f.txbDate_Change();
    f.txbTime.text = o.time;
    if (!o.zone.empty()) {
      const std::string z = ToLower(o.zone);
      if (z != "gmt" && z != "local") return UsageError("convert: --zone must be gmt or local");
      f.cboTimeZone.index = z == "gmt" ? 0 : 1;
    }
    f.txbPlusMinus.text = !o.plus.empty() ? o.plus : o.minus;
    f.optPlus.value = o.minus.empty();
    f.optMinus.value = !o.minus.empty();
    const int before = platform.messageCount;
    f.cmdCompute_Click();
    if (platform.messageCount > before) {
      std::string text = messages.str();
      const bool unchanged = text.rfind("Calendar dates unchanged.", 0) == 0;
      std::cerr << text;
      if (!unchanged) return 2;
    }
  }

  if (o.log) {
    // The log keeps CR LF line ends; a terminal wants plain line feeds.
    std::string entry = DefaultLogEntry(f);
    for (size_t at = entry.find("\r\n"); at != std::string::npos; at = entry.find("\r\n", at)) entry.erase(at, 1);
    std::cout << entry;
    return 0;
  }

  const auto rows = ShownRows(f);
  std::string out;
  if (o.json) {
    out = "[\n";
    for (size_t k = 0; k < rows.size(); ++k) {
      out += "  {\"row\": " + JsonString(rows[k].key) + ", \"title\": " + JsonString(rows[k].title) +
             ", \"text\": " + JsonString(rows[k].text) + "}" + (k + 1 < rows.size() ? ",\n" : "\n");
    }
    out += "]\n";
  } else {
    out = "row\ttitle\ttext\n";
    for (const auto& r : rows) out += r.key + "\t" + Tsv(r.title) + "\t" + Tsv(r.text) + "\n";
  }
  std::cout << out;
  return 0;
}

const Registration reg{"convert", kUsage, Run};

}  // namespace
}  // namespace tavro::cli
