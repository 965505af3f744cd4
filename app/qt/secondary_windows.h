// The windows the main window opens: the log, its preferences, the month
// calendar, the festivals and the data window. Each is built on first use; the main window's
// buttons for them are connected here, and each window's changes are mirrored
// back into the main window (its "View log" and "Clear log", the focus).
#pragma once

#include <QObject>
#include <memory>

#include "app/windows/window_links.h"

namespace tavro::qt {

class MainWindow;
class QtPlatform;
class LogWindow;
class LogPreferencesWindow;
class CalendarWindow;
class DataWindow;
class FestivalsWindow;

class SecondaryWindows : public QObject {
 public:
  // Made before the main window's start-up, so that Auto log is hooked in
  // from the first moment, and ended before the main window.
  SecondaryWindows(MainWindow& main, FrmMain& logic, QtPlatform& platform);
  ~SecondaryWindows() override;

  WindowLinks& links() { return links_; }

  // The windows, built on first use.
  LogWindow& Log();
  LogPreferencesWindow& Preferences();
  CalendarWindow& Calendar();
  FestivalsWindow& Festivals();
  DataWindow& Data();

  // The main window's buttons.
  void AddToLog();
  void ViewLog();
  void ClearLog();
  void ConfigureLog();
  void DisplayCalendar();
  // "Festivals" (or Ctrl+F): the festivals of the year of the main window's moment.
  void OpenFestivals();
  // kWindowYearData, kWindowNewYears, kWindowMonthStarts, kWindowJcCeNewYears
  // or kWindowTest.
  void OpenData(int window);
  // Restore state may bring other log preferences: an open preferences window
  // shows them, so that its Close does not put the old ones back.
  void StateRestored();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowLogIfOpened();
  void BackToMain();

  MainWindow& main_;
  FrmMain& f_;
  QtPlatform& platform_;
  WindowLinks links_;
  LogWindow* log_ = nullptr;
  LogPreferencesWindow* preferences_ = nullptr;
  CalendarWindow* calendar_ = nullptr;
  FestivalsWindow* festivals_ = nullptr;
  DataWindow* data_ = nullptr;
};

}  // namespace tavro::qt
