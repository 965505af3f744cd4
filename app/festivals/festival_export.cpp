#include "app/festivals/festival_export.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <cstring>
#include <cerrno>

#include "app/festivals/festival_text.h"
#include "core/festivals/festivals.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

// The language list names each language in itself.
constexpr const char* kLanguageItems[kLanguageCount] = {"English", "简体中文", "繁體中文", "Tiếng Việt", "日本語"};
constexpr const char* kKindCaptions[kExportKindCount] = {
    "Festivals", "Lunar new years", "Leap months", "Solar terms", "New moons", "Full moons", "First and last quarters"};

}  // namespace

FrmFestivalExport::FrmFestivalExport(ui::Platform& platform) : platform_(platform) {
  lblFrom.caption = "From CE year";
  lblTo.caption = "to";
  lblLanguage.caption = "Names in";
  for (int k = 0; k < kExportKindCount; ++k) chkKind[k].caption = kKindCaptions[k];
  cboLanguage.items.assign(std::begin(kLanguageItems), std::end(kLanguageItems));
  cboLanguage.index = 0;
  cmdSave.caption = "Save...";
  cmdCancel.caption = "Cancel";
  txbFrom.tooltip = "First CE year of the file (1 to 3000)";
  txbTo.tooltip = "Last CE year of the file";
}

void FrmFestivalExport::Open(const FestivalContext& fromWindow, int32_t year) {
  context = fromWindow;
  txbFrom.text = std::to_string(year);
  txbTo.text = std::to_string(year);
  for (auto& k : chkKind) k.value = 0;
  for (CalendarEventKind k : DefaultCalendarEventKinds()) chkKind[static_cast<int>(k)].value = 1;
  cboLanguage.index = static_cast<int>(context.language);
  visible = true;
  focus = "cmdSave";
}

void FrmFestivalExport::Warn(const std::string& text) {
  platform_.MessageBox(text, kExportDialogTitle, ui::Icon::Warning, ui::Buttons::Ok);
}

bool FrmFestivalExport::ReadYears(int32_t& from, int32_t& to) {
  if (!ParseCeYear(txbFrom.text, from)) {
    Warn("The first year is not a whole number.");
    focus = "txbFrom";
    return false;
  }
  if (!ParseCeYear(txbTo.text, to)) {
    Warn("The last year is not a whole number.");
    focus = "txbTo";
    return false;
  }
  if (from < 1 || to > kLastFestivalYear) {
    // The file format counts years from 1 CE.
    Warn("Calendar files hold the years 1 to " + std::to_string(kLastFestivalYear) + " CE.");
    focus = from < 1 ? "txbFrom" : "txbTo";
    return false;
  }
  if (from > to) {
    Warn("The first year comes after the last.");
    focus = "txbTo";
    return false;
  }
  if (to - from + 1 > kMaxExportYears) {
    Warn("A calendar file holds at most " + std::to_string(kMaxExportYears) + " years.");
    focus = "txbTo";
    return false;
  }
  return true;
}

void FrmFestivalExport::cmdSave_Click() {
  CalendarExport request;
  if (!ReadYears(request.fromYear, request.toYear)) return;
  for (int k = 0; k < kExportKindCount; ++k)
    if (chkKind[k].value == 1) request.kinds.push_back(static_cast<CalendarEventKind>(k));
  if (request.kinds.empty()) {
    Warn("Choose at least one kind of event.");
    return;
  }
  request.country = context.country;
  request.settings = context.settings;
  request.language = cboLanguage.Valid(cboLanguage.index) ? static_cast<Language>(cboLanguage.index) : context.language;

  // Built before the file is asked for, so that nothing is asked in vain.
  const CalendarExportResult built = BuildCalendarEvents(request);
  if (!built.ok) {
    Warn(built.error);
    return;
  }
  const auto text = WriteIcs(built.calendar, CurrentAJD());
  if (!text) {
    Warn("These years cannot be written to a calendar file.");
    return;
  }
  const std::string chosen =
      platform_.SaveFileDialog(kExportDialogTitle, SuggestedName(context.country, request.fromYear, request.toYear),
                               kExportFilter);
  if (chosen.empty()) return;  // cancelled: the dialog stays
  const std::string path = WithIcsExtension(chosen);
  bool opened = false, written = false;
  int reason = 0;
  {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    opened = static_cast<bool>(out);
    if (opened) {
      out.write(text->data(), static_cast<std::streamsize>(text->size()));
      out.close();
      written = !out.fail();
    }
    if (!written) reason = errno != 0 ? errno : EIO;
  }
  if (!written) {
    // No half-written file is left to import; a file that could not even be
    // opened is not ours to remove.
    if (opened) std::remove(path.c_str());
    Warn("The calendar file could not be written:\r\n" + path + "\r\n" + std::strerror(reason));
    return;
  }
  visible = false;
  if (onSaved) onSaved(path, built.calendar.events.size());
}

std::string FrmFestivalExport::WithIcsExtension(const std::string& path) {
  if (path.size() >= 4) {
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (tail == ".ics") return path;
  }
  return path + ".ics";
}

std::string FrmFestivalExport::SuggestedName(Country country, int32_t from, int32_t to) {
  const char* name = country == Country::Vietnam ? "vietnam" : country == Country::Japan ? "japan" : "china";
  std::string s = std::string("tavro-") + name + "-" + std::to_string(from);
  if (to != from) {
    s += '-';
    s += std::to_string(to);
  }
  return s + ".ics";
}

}  // namespace tavro
