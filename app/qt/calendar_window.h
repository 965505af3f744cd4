// The month calendar window: the painted month above a row of buttons. All
// state and texts come from FrmCalendar; this only shows them.
#pragma once

#include <QPushButton>
#include <QWidget>

#include "app/calendar/frm_calendar.h"

namespace tavro::qt {

class CalendarCanvas : public QWidget {
 public:
  CalendarCanvas(FrmCalendar& frm, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  FrmCalendar& frm_;
};

class QtPlatform;

class CalendarWindow : public QWidget {
 public:
  // Shows its values with the others' (a view of `platform`).
  CalendarWindow(FrmCalendar& frm, QtPlatform& platform, QWidget* parent = nullptr);
  ~CalendarWindow() override;

  // "Show lunar calendar month" of the main window: the month of the main
  // window's moment, beside `mainWindow` (top edges aligned, right edge 100
  // twips inside the screen's), without blocking it.
  void OpenFrom(const CalendarContext& context, QWidget* mainWindow);
  // Mirrors the logic's values into the widgets.
  void Sync();

 protected:
  void changeEvent(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void Run(void (FrmCalendar::*handler)());

  FrmCalendar& frm_;
  QtPlatform& platform_;
  int view_ = 0;
  CalendarCanvas* canvas_;
  QPushButton *previous_, *next_, *save_, *close_;
};

}  // namespace tavro::qt
