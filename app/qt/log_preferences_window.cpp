#include "app/qt/log_preferences_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/qt/mirror.h"
#include "app/qt/qt_platform.h"

namespace tavro::qt {

namespace {
constexpr int kTwipsPerPixel = 15;
}

LogPreferencesWindow::LogPreferencesWindow(FrmLogPreferences& prefs, QtPlatform& platform, QWidget* parent)
    : QWidget(parent, Qt::Tool), prefs_(prefs), platform_(platform) {
  setObjectName("frmLogPreferences");
  QFont font(QString::fromStdString(prefs_.fontFamily));
  font.setBold(false);
  setFont(font);
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < kLogPreferenceCount; ++i) {
    boxes_[i] = new QCheckBox(this);
    layout->addWidget(boxes_[i]);
    // A box is a preference from the moment it is clicked: "Add to log" and
    // the saved state use what the boxes show, open window or not.
    connect(boxes_[i], &QCheckBox::clicked, this, [this, i] {
      prefs_.Box(i).value = CheckBoxValue(boxes_[i]);
      Run([this, i] { prefs_.Box_Click(i); });
    });
  }
  auto* buttons = new QHBoxLayout();
  setAll_ = new QPushButton(this);
  clearAll_ = new QPushButton(this);
  close_ = new QPushButton(this);
  for (QPushButton* b : {setAll_, clearAll_, close_}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(setAll_, &QPushButton::clicked, this, [this] { Run([this] { prefs_.cmdSetClear_Click(0); }); });
  connect(clearAll_, &QPushButton::clicked, this, [this] { Run([this] { prefs_.cmdSetClear_Click(1); }); });
  connect(close_, &QPushButton::clicked, this, [this] { close(); });
  view_ = platform_.AddView([this] {
    if (prefs_.visible) Sync();
  });
  Sync();
}

LogPreferencesWindow::~LogPreferencesWindow() { platform_.RemoveView(view_); }

// A change of the preferences shows in every window (Save state, the log).
void LogPreferencesWindow::Run(const std::function<void()>& handler) {
  handler();
  platform_.Sync();
}

void LogPreferencesWindow::keyPressEvent(QKeyEvent* e) {
  // Escape closes the window as its Close does.
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(e);
}

void LogPreferencesWindow::Sync() {
  setWindowTitle(QString::fromStdString(prefs_.caption));
  for (int i = 0; i < kLogPreferenceCount; ++i) MirrorCheckBox(prefs_.Box(i), boxes_[i]);
  MirrorButton(prefs_.cmdSetClear[0], setAll_);
  MirrorButton(prefs_.cmdSetClear[1], clearAll_);
  MirrorButton(prefs_.cmdClose, close_);
}

void LogPreferencesWindow::ShowBeside(QWidget* mainWindow) {
  Sync();
  adjustSize();
  if (mainWindow) {
    const QRect m = mainWindow->frameGeometry();
    const QSize size = frameGeometry().size();
    move(m.right() - 80 / kTwipsPerPixel - size.width() + 1, m.bottom() - size.height() + 1);
  }
  show();
  raise();
  activateWindow();
}

void LogPreferencesWindow::closeEvent(QCloseEvent* e) {
  // The frame's close does what "Close" does.
  prefs_.cmdClose_Click();
  Sync();
  e->accept();
  platform_.Sync();
}

}  // namespace tavro::qt
