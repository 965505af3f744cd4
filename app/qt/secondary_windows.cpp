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
  auto* festivalsKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &main_);
  connect(festivalsKey, &QShortcut::activated, this, [this] {
    if (f_.cmdFestivals.enabled) OpenFestivals();
  });
  // The data window is made on first use; its buttons are there from the start.
  for (ui::Button* b : {&f_.cmdDisplayYearData, &f_.cmdListLunarNewYears, &f_.cmdListLeapMonths,
                        &f_.cmdListJulianCENewYears, &f_.cmdTest})
    b->enabled = true;
  // The calendar's Close shows the main window again.
  links_.calendar.onClose = [this, close = links_.calendar.onClose] {
    if (close) close();
    BackToMain();
  };
  // Closing the main window by its frame hides the log window first.
  main_.installEventFilter(this);
  main_.Join(this);
  platform_.Sync();
}

// The windows refer to the logic held here, so they go first.
SecondaryWindows::~SecondaryWindows() {
  main_.Join(nullptr);
  main_.removeEventFilter(this);
  for (QWidget* w : std::initializer_list<QWidget*>{log_, preferences_, data_, festivals_})
    if (w) w->removeEventFilter(this);
  delete data_;
  delete festivals_;
  delete calendar_;
  delete preferences_;
  delete log_;
}

void SecondaryWindows::StateRestored() {
  if (preferences_ && links_.preferences.visible) {
    links_.preferences.Load(f_.logPreferences);
    platform_.Sync();
  }
}

LogWindow& SecondaryWindows::Log() {
  if (!log_) {
    log_ = new LogWindow(links_.log, platform_, &main_);
    log_->installEventFilter(this);
  }
  return *log_;
}

LogPreferencesWindow& SecondaryWindows::Preferences() {
  if (!preferences_) {
    preferences_ = new LogPreferencesWindow(links_.preferences, platform_, &main_);
    preferences_->installEventFilter(this);
  }
  return *preferences_;
}

CalendarWindow& SecondaryWindows::Calendar() {
  if (!calendar_) calendar_ = new CalendarWindow(links_.calendar, platform_, &main_);
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

void SecondaryWindows::BackToMain() {
  if (platform_.QuitRequested()) return;
  platform_.Sync();
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

void SecondaryWindows::OpenData(int window) { Data().Open(window); }

bool SecondaryWindows::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &main_ && event->type() == QEvent::Close) {
    links_.logController.MainClosing();
    platform_.Sync();
  } else if (event->type() == QEvent::Hide && watched != &main_) {
    // Closing the log, the preferences (the main window may save them now)
    // or the data window gives the focus back to the main window.
    BackToMain();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tavro::qt
