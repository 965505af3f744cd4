// tavro-cli calendar: the month calendar window's picture, written without a
// display. Like convert, every run starts from the program's defaults and
// never touches the saved state.
#include <filesystem>
#include <iostream>
#include <sstream>

#include "app/calendar/frm_calendar.h"
#include "app/main/frm_main.h"
#include "app/main/text_util.h"
#include "app/ui/headless_platform.h"
#include "cli/command.h"
#include "core/time/scales.h"
#ifdef TAVRO_HAVE_RENDER
#include "app/calendar/render/calendar_png.h"
#endif

namespace tavro::cli {
namespace {

constexpr const char* kUsage =
    "calendar --png FILE [ENTRY] [--arc] [--country china|vietnam|japan] [--longitude 100..145] "
    "[--epoch -2696|-2636] [--method true|mean]";

std::string ProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

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

int SelectIndex(ui::ComboBox& box, const std::string& text) {
  for (size_t k = 0; k < box.items.size(); ++k)
    if (box.items[k] == text) return box.index = static_cast<int>(k);
  return -1;
}

int Run(const Args& args) {
  std::string png, entry, country, longitude, epoch, method;
  bool haveEntry = false, arc = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    bool ok = true;
    if (a == "--arc") arc = true;
    else if (a == "--png") ok = value(png);
    else if (a == "--country") ok = value(country);
    else if (a == "--longitude") ok = value(longitude);
    else if (a == "--epoch") ok = value(epoch);
    else if (a == "--method") ok = value(method);
    else if (a.size() > 2 && a.compare(0, 2, "--") == 0) return UsageError("calendar: unknown option '" + a + "'");
    else if (!haveEntry) haveEntry = true, entry = a;
    else return UsageError("calendar: more than one entry given: '" + a + "'");
    if (!ok) return UsageError("calendar: " + a + " needs a value");
  }
  if (png.empty()) return UsageError("calendar: --png FILE is required");

  std::ostringstream messages;
  const std::string file = FrmCalendar::WithPngExtension(png);
  CalendarPlatform platform(messages, ProgramFolder(), file);
  FrmMain f(platform);
  if (!f.Form_Load()) {
    std::cerr << "tavro-cli: " << messages.str();
    return 1;
  }
  messages.str("");

  if (!country.empty()) {
    const std::string c = ToLower(country);
    const int index = c == "vietnam" ? kCountryVietnam : c == "china" ? kCountryChina : c == "japan" ? kCountryJapan : -1;
    if (index < 0) return UsageError("calendar: --country must be china, vietnam or japan");
    f.cboRefLong.index = index;
    f.cboRefLong_Click();
  }
  if (!longitude.empty()) {
    if (SelectIndex(f.cboLongitude, longitude) < 0)
      return UsageError("calendar: --longitude must be a whole number from 100 to 145");
    f.cboLongitude_Click();
  }
  if (!epoch.empty()) {
    if (epoch != "-2696" && epoch != "-2636") return UsageError("calendar: --epoch must be -2696 or -2636");
    f.cboEpoch.index = epoch == "-2696" ? 0 : 1;
    f.cboEpoch_Click();
  }
  if (!method.empty()) {
    const std::string m = ToLower(method);
    if (m != "true" && m != "mean") return UsageError("calendar: --method must be true or mean");
    f.cboMethod.index = m == "true" ? 0 : 1;
    f.cboMethod_Click();
  }
  double ajd = CurrentAJD();
  if (haveEntry) {
    const FrmMain::Parsed p = f.ParseDate(entry);
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
