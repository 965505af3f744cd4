#include "app/qt/secondary_windows.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "app/calendar/render/calendar_png.h"
#include "app/qt/calendar_window.h"
#include "app/qt/festivals_window.h"
#include "app/qt/log_preferences_window.h"
#include "app/qt/log_window.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_platform.h"
#include "app/qt/data_window.h"

namespace tavro::qt {

namespace {
constexpr int kTwipsPerPixel = 15;
}

SecondaryWindows::SecondaryWindows(MainWindow& main, FrmMain& logic, QtPlatform& platform)
    : main_(main), f_(logic), platform_(platform), links_(logic, calendar::WriteCalendarPng) {
  Connect("cmdAddToLog", &SecondaryWindows::AddToLog);
  Connect("cmdViewLog", &SecondaryWindows::ViewLog);
  Connect("cmdClearLog", &SecondaryWindows::ClearLog);
  Connect("cmdConfigureLog", &SecondaryWindows::ConfigureLog);
  Connect("cmdDisplayCalendar", &SecondaryWindows::DisplayCalendar);
  Connect("cmdFestivals", &SecondaryWindows::OpenFestivals);
  auto* festivalsKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &main_);
  connect(festivalsKey, &QShortcut::activated, this, [this] {
    if (f_.cmdFestivals.enabled) OpenFestivals();
  });
  const std::pair<const char*, int> data[] = {{"cmdDisplayYearData", kWindowYearData},
                                              {"cmdListLunarNewYears", kWindowNewYears},
                                              {"cmdListLeapMonths", kWindowMonthStarts},
                                              {"cmdListJulianCENewYears", kWindowJcCeNewYears},
                                              {"cmdTest", kWindowTest}};
  for (auto [name, window] : data) {
    if (auto* b = main_.findChild<QPushButton*>(name))
      connect(b, &QPushButton::clicked, this, [this, window = window] { OpenData(window); });
  }
  for (ui::Button* b : {&f_.cmdDisplayYearData, &f_.cmdListLunarNewYears, &f_.cmdListLeapMonths,
                        &f_.cmdListJulianCENewYears, &f_.cmdTest})
    b->enabled = true;
  // The calendar's Close shows the main window again.
  links_.calendar.onClose = [this, close = links_.calendar.onClose] {
    if (close) close();
    BackToMain();
  };
  main_.afterPush = [this] { SyncLog(); };
  // The other windows show their values with the main window's, after every
  // handler and every yield.
  view_ = platform_.AddView([this] { SyncOthers(); });
  // Restore state may bring other log preferences: an open preferences window
  // shows them, so that its Close does not put the old ones back.
  if (auto* restore = main_.findChild<QPushButton*>("cmdRestoreState"))
    connect(restore, &QPushButton::clicked, this, [this] {
      if (preferences_ && links_.preferences.visible) {
        links_.preferences.Load(f_.logPreferences);
        preferences_->Sync();
      }
    });
  // Closing the main window by its frame hides the log window first.
  main_.installEventFilter(this);
  main_.PushToWidgets();
}

// The windows refer to the logic held here, so they go first.
SecondaryWindows::~SecondaryWindows() {
  platform_.RemoveView(view_);
  main_.afterPush = nullptr;
  main_.removeEventFilter(this);
  if (preferences_) preferences_->removeEventFilter(this);
  if (data_) data_->removeEventFilter(this);
  delete data_;
  if (festivals_) festivals_->removeEventFilter(this);
  delete festivals_;
  delete calendar_;
  delete preferences_;
  delete log_;
}

void SecondaryWindows::Connect(const char* button, void (SecondaryWindows::*handler)()) {
  if (auto* b = main_.findChild<QPushButton*>(button))
    connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
}

LogWindow& SecondaryWindows::Log() {
  if (!log_) {
    log_ = new LogWindow(links_.log, &main_);
    // The log window's own Clear, Close and frame change the main window's buttons.
    log_->afterHandler = [this] {
      main_.PushToWidgets();
      if (!links_.log.visible) BackToMain();
    };
  }
  return *log_;
}

LogPreferencesWindow& SecondaryWindows::Preferences() {
  if (!preferences_) {
    preferences_ = new LogPreferencesWindow(links_.preferences, &main_);
    preferences_->afterHandler = [this] { platform_.Sync(); };
    preferences_->installEventFilter(this);
  }
  return *preferences_;
}

CalendarWindow& SecondaryWindows::Calendar() {
  if (!calendar_) calendar_ = new CalendarWindow(links_.calendar, &main_);
  return *calendar_;
}

FestivalsWindow& SecondaryWindows::Festivals() {
  if (!festivals_) {
    festivals_ = new FestivalsWindow(links_.festivals, platform_, &main_);
    festivals_->installEventFilter(this);
  }
  return *festivals_;
}

DataWindow& SecondaryWindows::Data() {
  if (!data_) {
    data_ = new DataWindow(platform_, f_, &main_);
    data_->installEventFilter(this);
  }
  return *data_;
}

void SecondaryWindows::ShowLogIfOpened() {
  if (links_.log.visible) Log().ShowOver(&main_);
}

void SecondaryWindows::SyncLog() {
  if (log_) log_->Sync();
}

bool SecondaryWindows::DataRunning() const {
  return data_ && data_->logic().running;
}

void SecondaryWindows::SyncOthers() {
  SyncLog();
  if (preferences_ && links_.preferences.visible) preferences_->Sync();
  // While a listing or the self-test runs, however it was started, the
  // main window's data buttons cannot start another one.
  const bool idle = !DataRunning();
  bool changed = false;
  for (ui::Button* b : {&f_.cmdDisplayYearData, &f_.cmdListLunarNewYears, &f_.cmdListLeapMonths,
                        &f_.cmdListJulianCENewYears, &f_.cmdTest})
    if (b->enabled != idle) {
      b->enabled = idle;
      changed = true;
    }
  if (changed) main_.PushToWidgets();
  if (data_) data_->Sync();
}

void SecondaryWindows::BackToMain() {
  if (platform_.QuitRequested()) return;
  main_.PushToWidgets();
  main_.raise();
  main_.activateWindow();
}

void SecondaryWindows::AddToLog() {
  main_.Run([this] { links_.cmdAddToLog_Click(); });
  ShowLogIfOpened();
}

void SecondaryWindows::ViewLog() {
  main_.Run([this] { links_.cmdViewLog_Click(); });
  ShowLogIfOpened();
}

void SecondaryWindows::ClearLog() { main_.Run([this] { links_.cmdClearLog_Click(); }); }

void SecondaryWindows::ConfigureLog() {
  main_.Run([this] { links_.cmdConfigureLog_Click(); });
  if (links_.preferences.visible) Preferences().ShowBeside(&main_);
}

void SecondaryWindows::DisplayCalendar() {
  // The main window moves to the top left, the calendar to the right.
  const QScreen* screen = main_.screen() ? main_.screen() : QApplication::primaryScreen();
  if (screen && !main_.isMaximized()) {
    const QRect area = screen->availableGeometry();
    main_.move(area.left() + 100 / kTwipsPerPixel, area.top() + 100 / kTwipsPerPixel);
  }
  Calendar().OpenFrom(CalendarContextOf(f_), &main_);
}

void SecondaryWindows::OpenFestivals() { Festivals().OpenFrom(FestivalContextOf(f_), &main_); }

void SecondaryWindows::OpenData(int window) {
  // A listing yields to the event loop as it goes: a click that arrives
  // during it neither starts another one nor changes the kind shown.
  if (DataRunning()) return;
  DataWindow& d = Data();
  if (window == kWindowYearData)
    d.DisplayYearData();
  else if (window == kWindowTest)
    d.Test();
  else
    d.List(window);
  platform_.Sync();
}

bool SecondaryWindows::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &main_ && event->type() == QEvent::Close) {
    links_.logController.MainClosing();
    SyncLog();
  } else if (event->type() == QEvent::Hide && watched != &main_) {
    // Closing the preferences (the main window may save them now) or the
    // data window gives the focus back to the main window.
    BackToMain();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tavro::qt
