#include "app/data/main_link.h"

namespace tavro {

DataInputs InputsFromMain(const FrmMain& main) {
  DataInputs in;
  in.ajd = main.dblCurrentAJDate;
  in.settings = main.CurrentSettings();
  in.country = static_cast<int>(CountryOfIndex(main.Country()));
  in.zone = main.strCCT;
  return in;
}

void ConnectToMain(FrmData& data, FrmMain& main) {
  data.inputs = InputsFromMain(main);
  data.readMain = [&main] { return InputsFromMain(main); };
  data.parseDate = [&main](const std::string& text) {
    // The text lands in the main window's date box as if typed there, and is
    // shown there before the entry reads it.
    main.txbDate.text = text;
    main.txbDate_Change();
    main.platform().Sync();
    const FrmMain::Parsed p = main.ParseDate(text);
    return DataParseResult{p.error, p.ajd};
  };
  data.mainStartingUp = !main.startupCompleted;
  data.optJC.value = main.dataWindowCalendar == 1;
  data.optCE.value = !data.optJC.value;
  data.mainCalendarTaken = main.dataWindowCalendar;
  data.onRunning = [&main](bool running) {
    for (ui::Button* b : {&main.cmdDisplayYearData, &main.cmdListLunarNewYears, &main.cmdListLeapMonths,
                          &main.cmdListJulianCENewYears, &main.cmdTest})
      b->enabled = !running;
  };
}

void OpenFromMain(FrmData& data, FrmMain& main, int window) {
  if (data.running) return;
  if (main.dataWindowCalendar != data.mainCalendarTaken) {
    data.mainCalendarTaken = main.dataWindowCalendar;
    data.optJC.value = data.mainCalendarTaken == 1;
    data.optCE.value = !data.optJC.value;
  }
  if (window == kWindowYearData) {
    data.mainStartingUp = !main.startupCompleted;
    data.DisplayYearData();
  } else if (window == kWindowTest) {
    data.DoTest();
  } else {
    data.intWindow = window;
    data.cmdList_Click();
  }
}

}  // namespace tavro
