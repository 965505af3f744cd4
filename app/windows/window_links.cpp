#include "app/windows/window_links.h"

#include "core/time/scales.h"

namespace tavro {

CalendarContext CalendarContextOf(const FrmMain& main) {
  CalendarContext c;
  c.ajd = main.dblCurrentAJDate;
  c.settings = main.CurrentSettings();
  c.country = CountryOfIndex(main.Country());
  c.showArc = main.chkShowARC.value == 1;
  c.lunarDateLine = main.lblChineseLunarDate[1].caption;
  c.todayJdn = TodayJDN();
  return c;
}

FestivalContext FestivalContextOf(const FrmMain& main) {
  FestivalContext c;
  c.country = CountryOfIndex(main.Country());
  c.settings = main.CurrentSettings();
  c.ajd = main.dblCurrentAJDate;
  c.language = main.NativeLanguage();
  return c;
}

void MoveMainToDay(FrmMain& main, int32_t jdn) {
  if (main.blnRepeat) return;
  if (!main.TakePendingEntry()) return;
  const double ajd = FromCJDC(jdn + 0.5, main.ReferenceLongitude());  // noon there
  if (main.CheckRange(ajd)) return;
  main.dblCurrentAJDate = ajd;
  main.Recalculate(kAutoLogSearch);
}

WindowLinks::WindowLinks(FrmMain& main, PngWriter calendarWriter)
    : log(main.platform()),
      preferences(),
      logController(main, log, preferences),
      calendar(main.platform(), std::move(calendarWriter)),
      festivals(main.platform()),
      main_(main) {
  for (ui::Button* b : {&main_.cmdAddToLog, &main_.cmdViewLog, &main_.cmdClearLog, &main_.cmdConfigureLog,
                        &main_.cmdDisplayCalendar, &main_.cmdFestivals})
    b->enabled = true;
  // A cancelled multiple element-animal search writes no entry.
  logController.multipleSearchCancelled = [this] { return main_.multipleSearchCancelled; };
  logController.multipleSearchDescription = [this] { return main_.multipleSearchDescription; };
  calendar.readMain = [this] { return CalendarContextOf(main_); };
  festivals.readMain = [this] { return FestivalContextOf(main_); };
  festivals.moveMain = [this](int32_t jdn) { MoveMainToDay(main_, jdn); };
  calendar.onClose = [this] {
    main_.visible = true;
    main_.SetTheFocus();
  };
}

void WindowLinks::cmdDisplayCalendar_Click() { calendar.Open(CalendarContextOf(main_)); }

void WindowLinks::cmdFestivals_Click() { festivals.Open(FestivalContextOf(main_)); }

void WindowLinks::Form_Unload() {
  logController.MainClosing();
  main_.Form_Unload();
}

}  // namespace tavro
