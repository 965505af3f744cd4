// tavro-cli calendar: the month calendar window's picture, written without a
// display. Like convert, every run starts from the program's defaults and
// never touches the saved state.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "app/calendar/frm_calendar.h"
#include "app/main/frm_main.h"
#include "app/ui/headless_platform.h"
#include "cli/command.h"
#include "cli/options.h"
#include "core/time/scales.h"
#include "app/calendar/render/calendar_png.h"

namespace tavro::cli {
namespace {

struct CalendarOptions {
  SettingOptions settings;
  std::string png;
  Plain entry;
  bool arc = false;
};

// The headless platform, with the day pictures read by Qt and the save
// dialog answered by --png.
class CalendarPlatform : public ui::HeadlessPlatform {
 public:
  CalendarPlatform(std::ostream& err, std::string folder, std::string file)
      : HeadlessPlatform(err, std::move(folder)), file_(std::move(file)) {}
  bool LoadPicture(const std::string& path, ui::Image& out) override { return calendar::LoadDayPicture(path, out); }
  std::string SaveFileDialog(const std::string&, const std::string&, const std::string&) override { return file_; }

 private:
  std::string file_;
};

int Run(CalendarOptions& co) {
  const SettingOptions& o = co.settings;
  const std::string& png = co.png;
  const bool arc = co.arc;
  std::optional<std::string> entry;
  if (co.entry.given()) entry = co.entry.value;
  if (png.empty()) return UsageError("calendar: --png FILE is required");

  std::ostringstream messages;
  const std::string file = FrmCalendar::WithPngExtension(png);
  CalendarPlatform platform(messages, ProgramFolder(), file);
  FrmMain f(platform);
  if (!LoadMain(f, messages)) return 1;
  if (const std::string error = ApplySettingOptions(f, o); !error.empty()) return UsageError("calendar: " + error);
  double ajd = CurrentAJD();
  if (entry) {
    const FrmMain::Parsed p = f.ParseDate(*entry);
    if (p.error >= 1) {
      f.ShowEntryError(p.error);
      return UsageError("calendar: " + RefusalText(f, messages.str()));
    }
    ajd = p.ajd;
    if (f.CheckRange(ajd)) return UsageError("calendar: the date lies outside -3000-01-01 to 3000-01-01 CE");
  }
  f.dblCurrentAJDate = ajd;
  f.DisplayDatesAndTimes();

  CalendarContext context;
  context.ajd = ajd;
  context.settings = f.CurrentSettings();
  context.country = CountryOfIndex(f.Country());
  context.showArc = arc;
  context.lunarDateLine = f.lblChineseLunarDate[1].caption;
  context.todayJdn = TodayJDN();

  calendar::EnsureGuiApplication();
  FrmCalendar cal(platform, calendar::WriteCalendarPng);
  cal.Open(context);
  if (!cal.month.valid) return UsageError("calendar: no lunar month could be drawn for that date");
  messages.str("");
  cal.cmdSaveCalendarImage_Click();
  if (!cal.imageSaved) return UsageError("calendar: cannot write " + file);
  std::cout << "file\tfirst_jdn\tdays\ttitle\tyear_and_month\n"
            << file << "\t" << cal.lngJDN1stOfMonth << "\t" << cal.month.length << "\t" << cal.month.title << "\t"
            << cal.month.yearAndMonth << "\n";
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<CalendarOptions>();
  AddPlain(app, "ENTRY", o->entry, std::string(kEntryHelp) + " (default: now)");
  app.add_option("--png", o->png, "the picture file to write (\".png\" is added when missing); required")
      ->type_name("FILE");
  app.add_flag("--arc", o->arc, "show the Archetypes Calendar dates in the days");
  AddSettingOptions(app, o->settings);
  return [o] { return Run(*o); };
}

const Registration reg{"calendar", "the month calendar picture of the lunar month of a moment, as PNG", Setup};

}  // namespace
}  // namespace tavro::cli
