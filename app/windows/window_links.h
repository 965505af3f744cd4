// The main window joined with the windows it opens that have no widgets of
// their own here: the log, its preferences and the month calendar. It enables
// their buttons and hooks Auto log into the main window, so it is made before
// the main window starts up (Now at start-up may already log).
#pragma once

#include "app/calendar/frm_calendar.h"
#include "app/festivals/frm_festivals.h"
#include "app/log/frm_log.h"
#include "app/log/frm_log_preferences.h"
#include "app/log/log_controller.h"
#include "app/main/frm_main.h"

namespace tavro {

// What the month calendar reads from the main window when it is opened.
CalendarContext CalendarContextOf(const FrmMain& main);
// What the festivals window reads from the main window.
FestivalContext FestivalContextOf(const FrmMain& main);
// The main window at noon on the reference meridian of day `jdn`, as a
// search moves it: a typed entry is taken first, the moment must lie in the
// range, and a repeated run keeps the moment its own.
void MoveMainToDay(FrmMain& main, int32_t jdn);

class WindowLinks {
 public:
  // `main` must outlive this object; `calendarWriter` draws the saved PNG.
  WindowLinks(FrmMain& main, PngWriter calendarWriter);
  WindowLinks(const WindowLinks&) = delete;
  WindowLinks& operator=(const WindowLinks&) = delete;

  FrmLog log;
  FrmLogPreferences preferences;
  LogController logController;
  FrmCalendar calendar;
  FrmFestivals festivals;

  // ---- the main window's buttons ----
  void cmdAddToLog_Click() { logController.cmdAddToLog_Click(); }
  void cmdViewLog_Click() { logController.cmdViewLog_Click(); }
  void cmdClearLog_Click() { logController.cmdClearLog_Click(); }
  void cmdConfigureLog_Click() { logController.cmdLogPreferences_Click(); }
  // "Show lunar calendar month": the lunar month of the current moment.
  void cmdDisplayCalendar_Click();
  // "Festivals": the festivals of the year of the current moment.
  void cmdFestivals_Click();

  // Closing the main window by its frame: the log window goes first, then the
  // main window saves and ends as Quit does.
  void Form_Unload();

 private:
  FrmMain& main_;
};

}  // namespace tavro
