#include "app/qt/screenshot.h"

#include <QApplication>
#include <QPixmap>
#include <cmath>
#include <iostream>
#include <memory>

#include "app/qt/calendar_window.h"
#include "app/qt/festivals_window.h"
#include "app/qt/log_preferences_window.h"
#include "app/qt/log_window.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_platform.h"
#include "app/qt/secondary_windows.h"
#include "app/qt/data_window.h"
#include "app/qt/multisearch_window.h"
#include "core/chinese/chinese_date.h"
#include "core/chinese/conversion.h"
#include "core/time/scales.h"

namespace tavro::qt {

namespace {

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

bool Save(QWidget& w, const QString& file) {
  Settle();
  if (!w.grab().save(file)) {
    std::cerr << "tavro: cannot write " << file.toStdString() << "\n";
    return false;
  }
  return true;
}

}  // namespace

QStringList ScreenshotWindows() {
  QStringList names = {"main", "log", "preferences", "calendar"};
  names << "data";
  names << "multisearch" << "festivals";
  return names;
}

bool SaveScreenshot(MainWindow& main, FrmMain& f, QtPlatform& platform, SecondaryWindows& windows,
                    const QString& window, const QString& file) {
  main.adjustSize();
  Settle();
  if (window == "main") return Save(main, file);
  if (window == "log") {
    windows.AddToLog();
    windows.ViewLog();
    return Save(windows.Log(), file);
  }
  if (window == "preferences") {
    windows.ConfigureLog();
    return Save(windows.Preferences(), file);
  }
  if (window == "calendar") {
    windows.DisplayCalendar();
    return Save(windows.Calendar(), file);
  }
  if (window == "data") {
    windows.OpenData(kWindowYearData);
    return Save(windows.Data(), file);
  }
  if (window == "festivals") {
    // The country's names beside the English ones, the first row chosen.
    windows.OpenFestivals();
    return Save(windows.Festivals(), file);
  }
  if (window == "multisearch") {
    // As the "same element-animal day and month" search opens it: its first
    // two rows hold the names of the shown day and month.
    const Settings s = f.CurrentSettings();
    const double cjdc = ToCJDC(f.dblCurrentAJDate, s.referenceLongitude);
    ChsDate chs;
    chs.valid = kNoSolarDate;
    ChlDate chl;
    chl.epoch = static_cast<int16_t>(s.epoch);
    static_cast<void>(CJDateToChDates(cjdc, s, chs, chl));  // the window's own, valid moment
    const int32_t day = DayCyclePosition(FloorDay(cjdc));
    const int32_t month = MonthCyclePosition(chl);
    FrmMultipleElAn logic(platform);
    MultiSearchWindow w(logic, platform, &main);
    logic.SetPairs(f.multiplePairs);
    logic.Preset(kRowDay, ElementIndex(day), BranchIndex(day));
    logic.Preset(kRowMonth, ElementIndex(month), BranchIndex(month));
    MultipleSearchInputs in;
    in.currentAJD = f.dblCurrentAJDate;
    in.next = f.optNext.value;
    in.settings = s;
    in.country = CountryOfIndex(f.Country());
    logic.Show(in);
    w.PushToWidgets();
    w.show();
    return Save(w, file);
  }
  std::cerr << "tavro: --window must be one of " << ScreenshotWindows().join(", ").toStdString() << "\n";
  return false;
}

}  // namespace tavro::qt
