#include "cli/options.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <iostream>

#include "app/main/calendar_table.h"
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
std::string ProgramFolder() { return ProgramDataFolder("tavro-cli"); }

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

int ZoneIndex(const std::string& zone) {
  const std::string z = ToLower(Trim(zone));
  return z == "gmt" ? 0 : z == "local" ? 1 : -1;
}

std::string ApplyWindowOptions(FrmMain& f, const WindowOptions& o) {
  if (std::string error = ApplySettingOptions(f, o.settings); !error.empty()) return error;
  if (!o.calendar.empty()) {
    const int cal = GetCalendar(ToUpper(o.calendar));
    if (cal < 0) return "--calendar must be one of CE, JC, CHL, CHS, ARC, AJD, CJDC, CJDL, ARCGMT, ARCCCT";
    f.intCalendar = cal;
  }
  if (!o.zone.empty() && ZoneIndex(o.zone) < 0) return "--zone must be gmt or local";
  return {};
}

bool LoadMain(FrmMain& f, std::ostringstream& messages) {
  if (!f.Form_Load()) {
    std::cerr << "tavro-cli: " << OneLine(messages.str()) << "\n";
    return false;
  }
  messages.str("");
  return true;
}

void SetEntry(FrmMain& f, const std::string& entry, const WindowOptions& o) {
  f.txbDate.text = entry;
  f.txbDate_Change();
  f.txbTime.text = o.time;
  if (!o.zone.empty()) f.cboTimeZone.index = ZoneIndex(o.zone);
}

void AnswerQuestions(ui::HeadlessPlatform& platform, const WindowOptions& o) {
  const bool yes = !o.calendar.empty();
  platform.ask = [yes](ui::Question id, const std::string&) {
    return yes && id == ui::Question::Calendar ? ui::Answer::Yes : ui::Answer::No;
  };
}

std::string OneLine(const std::string& text) {
  std::string line;
  for (char c : text) {
    const bool end = c == '\r' || c == '\n';
    if (end && (line.empty() || line.back() == ' ')) continue;
    line += end ? ' ' : c;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

std::string RefusalText(const FrmMain& f, const std::string& shown) {
  if (f.outcome.kind == Outcome::EntryError) return EntryErrorLine(f.outcome.entryError, f.Country() == kCountryChina);
  return OneLine(shown);
}

bool Compute(FrmMain& f, std::ostringstream& messages, const std::string& command) {
  messages.str("");
  f.cmdCompute_Click();
  if (f.outcome.kind == Outcome::Done) return true;
  if (f.outcome.kind == Outcome::Unchanged) {
    std::cerr << messages.str();
    return true;
  }
  UsageError(command + ": " + RefusalText(f, messages.str()));
  return false;
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
