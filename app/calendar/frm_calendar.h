// The month calendar window: one Chinese lunar month drawn as a grid of moon
// pictures with the lunar day, the CE date and optionally the ARC date of each
// day. It reads the main window's moment and options when it is opened and
// never changes them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/calendar/calendar_month.h"
#include "app/ui/controls.h"
#include "app/ui/platform.h"
#include "core/chinese/names.h"
#include "core/time/settings.h"

namespace tavro {

// What the calendar takes from the main window when it is opened.
struct CalendarContext {
  double ajd = 2451545.0;        // dblCurrentAJDate
  Settings settings;             // longitude, epoch, method
  Country country = Country::China;
  bool showArc = false;          // chkShowARC ticked
  std::string lunarDateLine;     // the main window's shown CHL text
  int32_t todayJdn = 0;          // TodayJDN()
};

using DayPictures = std::array<ui::Image, calendar::kCells>;

// Writes the drawing of `month` as a PNG file; false when nothing usable was
// written (a partial file is removed).
using PngWriter = std::function<bool(const calendar::Month& month, const DayPictures& pictures,
                                     const std::string& path)>;

inline constexpr const char* kSaveDialogTitle = "Save image of this calendar month as a PNG file";
inline constexpr const char* kSaveDialogFilter = "PNG graphics file (*.png) | *.png";
inline constexpr const char* kSaveErrorText = "Error when attempting to save image.  Please try again.";
inline constexpr const char* kSavedText = "The image has been saved in the PNG file";

class FrmCalendar {
 public:
  FrmCalendar(ui::Platform& platform, PngWriter writer);

  // ---- controls ----
  ui::Label lblTitle, lblYearAndMonth;
  std::array<ui::Button, 2> cmdShowPreviousOrNext;  // 0 previous, 1 next
  ui::Button cmdSaveCalendarImage, cmdClose;
  std::string caption;
  bool visible = false, minimized = false;
  bool loadingMessageVisible = false;  // "Now loading images ..." while building

  // ---- state ----
  int32_t lngJDN1stOfMonth = 0;
  bool blnFormLoaded = false;
  calendar::Month month;  // what DrawMonth last drew
  DayPictures pictures;   // loaded once; an empty picture is a missing file
  CalendarContext context;
  // When set, every activation reads the main window's moment and options
  // afresh (the title line and the ARC line follow the main window).
  std::function<CalendarContext()> readMain;

  // The main window's "Show lunar calendar month": day 1 of the current lunar
  // month, building the window on first use, then shown without blocking.
  void Open(const CalendarContext& fromMain);

  void Form_Load();
  void Form_Activate() {
    if (readMain) context = readMain();
    DrawMonth();
  }
  void Form_Resize() {
    if (blnFormLoaded) DrawMonth();
  }
  void DrawMonth();
  void cmdShowPreviousOrNext_Click(int index);
  void cmdSaveCalendarImage_Click();
  bool imageSaved = false;  // whether the last save wrote its file
  void cmdClose_Click();

  // A chosen file name gets ".png" unless it already ends so (any case).
  static std::string WithPngExtension(const std::string& path);

  // Run when "Close" hides the window (the main window shows itself again).
  std::function<void()> onClose;

 private:
  ui::Platform& platform_;
  PngWriter writer_;
};

}  // namespace tavro
