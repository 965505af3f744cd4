// tavro-cli calendar: the month calendar window's picture, written without a
// display. Like convert, every run starts from the program's defaults and
// never touches the saved state.
#include <iostream>
#include <optional>
#include <sstream>

#include "app/calendar/frm_calendar.h"
#include "app/main/frm_main.h"
#include "app/ui/headless_platform.h"
#include "cli/command.h"
#include "cli/options.h"
#include "core/time/scales.h"
#ifdef TAVRO_HAVE_RENDER
#include "app/calendar/render/calendar_png.h"
#endif

namespace tavro::cli {
namespace {

constexpr const char* kUsage =
    "calendar --png FILE [ENTRY] [--arc] [--country china|vietnam|japan] [--longitude 100..145] "
    "[--epoch -2696|-2636] [--method true|mean]";

#ifdef TAVRO_HAVE_RENDER
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

int Run(const Args& args) {
  SettingOptions o;
  std::string png;
  std::optional<std::string> entry;
  bool arc = false;
  ArgSpec argSpec;
  argSpec.flags = {{"--arc", &arc}};
  argSpec.values = {{"--png", &png}};
  AddSettingOptions(argSpec, o);
  argSpec.plain = {&entry};
  if (!ReadArgs("calendar", args, argSpec)) return 2;
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
      std::string text = messages.str();
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
      for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
      return UsageError("calendar: " + text);
    }
    ajd = p.ajd;
    if (f.CheckRange(ajd)) return UsageError("calendar: the date lies outside -3000-01-01 to 3000-01-01 CE");
  }
  f.dblCurrentAJDate = ajd;
  f.DisplayDatesAndTimes();

  CalendarContext context;
  context.ajd = ajd;
  context.settings = f.CurrentSettings();
  context.country = static_cast<Country>(f.Country() >= 0 && f.Country() <= 2 ? f.Country() : kCountryChina);
  context.showArc = arc;
  context.lunarDateLine = f.lblChineseLunarDate[1].caption;
  context.todayJdn = TodayJDN();

  calendar::EnsureGuiApplication();
  FrmCalendar cal(platform, calendar::WriteCalendarPng);
  cal.Open(context);
  if (!cal.month.valid) return UsageError("calendar: no lunar month could be drawn for that date");
  messages.str("");
  cal.cmdSaveCalendarImage_Click();
  if (messages.str().rfind(kSavedText, 0) != 0) return UsageError("calendar: cannot write " + file);
  std::cout << "file\tfirst_jdn\tdays\ttitle\tyear_and_month\n"
            << file << "\t" << cal.lngJDN1stOfMonth << "\t" << cal.month.length << "\t" << cal.month.title << "\t"
            << cal.month.yearAndMonth << "\n";
  return 0;
}
#else
int Run(const Args&) { return UsageError("calendar: this build cannot draw pictures (Qt is missing)"); }
#endif

const Registration reg{"calendar", kUsage, Run};

}  // namespace
}  // namespace tavro::cli
