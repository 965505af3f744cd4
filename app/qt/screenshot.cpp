#include "app/qt/screenshot.h"

#include <QApplication>
#include <QPixmap>
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
    FrmMultipleElAn logic(platform);
    MultiSearchWindow w(logic, platform, &main);
    MultipleSearchInputs in = f.PresetMultipleWindow(logic, true, f.optNext.value);
    in.searching = nullptr;  // no search runs: the window keeps its own progress line
    logic.Show(in);
    w.PushToWidgets();
    w.show();
    return Save(w, file);
  }
  std::cerr << "tavro: --window must be one of " << ScreenshotWindows().join(", ").toStdString() << "\n";
  return false;
}

}  // namespace tavro::qt
