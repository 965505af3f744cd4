#include "app/qt/calendar_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "app/calendar/render/calendar_painter.h"
#include "app/qt/mirror.h"
#include "app/qt/qt_platform.h"

namespace tavro::qt {

namespace {
constexpr int kTwipsPerPixel = 15;
}

CalendarCanvas::CalendarCanvas(FrmCalendar& frm, QWidget* parent) : QWidget(parent), frm_(frm) {
  setFixedSize(calendar::kWidth, calendar::kDrawingHeight);
}

void CalendarCanvas::paintEvent(QPaintEvent*) {
  QPainter p(this);
  calendar::PaintCalendar(p, frm_.month, frm_.pictures);
}

CalendarWindow::CalendarWindow(FrmCalendar& frm, QtPlatform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), frm_(frm), platform_(platform) {
  setObjectName("frmCalendar");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 8);
  canvas_ = new CalendarCanvas(frm_, this);
  layout->addWidget(canvas_);
  auto* buttons = new QHBoxLayout();
  buttons->setContentsMargins(8, 0, 8, 0);  // the grid runs to the edges; the buttons do not
  previous_ = new QPushButton(this);
  next_ = new QPushButton(this);
  save_ = new QPushButton(this);
  close_ = new QPushButton(this);
  for (QPushButton* b : {previous_, next_, save_, close_}) buttons->addWidget(b);
  layout->addLayout(buttons);
  const QColor back(calendar::kBackground.r, calendar::kBackground.g, calendar::kBackground.b);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, back);
  setPalette(pal);
  setAutoFillBackground(true);

  connect(previous_, &QPushButton::clicked, this, [this] {
    frm_.cmdShowPreviousOrNext_Click(0);
    platform_.Sync();
  });
  connect(next_, &QPushButton::clicked, this, [this] {
    frm_.cmdShowPreviousOrNext_Click(1);
    platform_.Sync();
  });
  connect(save_, &QPushButton::clicked, this, [this] { Run(&FrmCalendar::cmdSaveCalendarImage_Click); });
  connect(close_, &QPushButton::clicked, this, [this] { Run(&FrmCalendar::cmdClose_Click); });
  view_ = platform_.AddView([this] { Sync(); });
  Sync();
}

CalendarWindow::~CalendarWindow() { platform_.RemoveView(view_); }

void CalendarWindow::Run(void (FrmCalendar::*handler)()) {
  (frm_.*handler)();
  platform_.Sync();
}

void CalendarWindow::Sync() {
  setWindowTitle(QString::fromStdString(frm_.caption));
  MirrorButton(frm_.cmdShowPreviousOrNext[0], previous_);
  MirrorButton(frm_.cmdShowPreviousOrNext[1], next_);
  MirrorButton(frm_.cmdSaveCalendarImage, save_);
  MirrorButton(frm_.cmdClose, close_);
  if (isVisible()) canvas_->update();
  if (!frm_.visible && isVisible()) hide();
}

void CalendarWindow::OpenFrom(const CalendarContext& context, QWidget* mainWindow) {
  QLabel* loading = nullptr;
  if (!frm_.blnFormLoaded) {
    loading = new QLabel("Now loading images ...", nullptr, Qt::Dialog);
    loading->setWindowTitle("One moment please");
    loading->setStyleSheet("background: yellow; padding: 16px;");
    loading->show();
    QApplication::processEvents();
  }
  frm_.Open(context);
  if (loading) {
    loading->close();
    delete loading;
  }
  if (isMinimized()) showNormal();
  adjustSize();
  if (mainWindow) {
    const QRect screen = (mainWindow->screen() ? mainWindow->screen() : QApplication::primaryScreen())->availableGeometry();
    const int right = screen.right() - 100 / kTwipsPerPixel;
    move(right - frameGeometry().width() + 1, mainWindow->frameGeometry().top());
  }
  Sync();
  show();
  raise();
  activateWindow();
}

void CalendarWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
    frm_.Form_Activate();
    platform_.Sync();
  }
  QWidget::changeEvent(e);
}

void CalendarWindow::resizeEvent(QResizeEvent* e) {
  frm_.Form_Resize();
  canvas_->update();
  QWidget::resizeEvent(e);
}

void CalendarWindow::keyPressEvent(QKeyEvent* e) {
  // Escape closes the window as its Close does.
  if (e->key() == Qt::Key_Escape) {
    close_->click();
    return;
  }
  QWidget::keyPressEvent(e);
}

void CalendarWindow::closeEvent(QCloseEvent* e) {
  // Closing by the frame hides the window like "Close": it is built only once.
  frm_.cmdClose_Click();
  e->ignore();
  hide();
}

}  // namespace tavro::qt
