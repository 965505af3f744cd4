#include "app/windows/window_links.h"

#include "core/time/scales.h"

namespace tavro {

CalendarContext CalendarContextOf(const FrmMain& main) {
  CalendarContext c;
  c.ajd = main.dblCurrentAJDate;
  c.settings = main.CurrentSettings();
  const int country = main.Country();
  c.country = static_cast<Country>(country >= 0 && country <= 2 ? country : kCountryChina);
  c.showArc = main.chkShowARC.value == 1;
  c.lunarDateLine = main.lblChineseLunarDate[1].caption;
  c.todayJdn = TodayJDN();
  return c;
}

WindowLinks::WindowLinks(FrmMain& main, PngWriter calendarWriter)
    : log(main.platform()),
      preferences(),
      logController(main, log, preferences),
      calendar(main.platform(), std::move(calendarWriter)),
      main_(main) {
  for (ui::Button* b : {&main_.cmdAddToLog, &main_.cmdViewLog, &main_.cmdClearLog, &main_.cmdConfigureLog,
                        &main_.cmdDisplayCalendar})
    b->enabled = true;
  // A cancelled multiple element-animal search writes no entry.
  logController.multipleSearchCancelled = [this] { return main_.multipleSearchCancelled; };
  logController.multipleSearchDescription = [this] { return main_.multipleSearchDescription; };
  calendar.readMain = [this] { return CalendarContextOf(main_); };
  calendar.onClose = [this] {
    main_.visible = true;
    main_.SetTheFocus();
  };
}

void WindowLinks::cmdDisplayCalendar_Click() { calendar.Open(CalendarContextOf(main_)); }

void WindowLinks::Form_Unload() {
  logController.MainClosing();
  main_.Form_Unload();
}

}  // namespace tavro
