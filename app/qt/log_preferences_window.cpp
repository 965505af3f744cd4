#include "app/qt/log_preferences_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace tavro::qt {

namespace {
constexpr int kTwipsPerPixel = 15;
}

LogPreferencesWindow::LogPreferencesWindow(FrmLogPreferences& prefs, QWidget* parent)
    : QWidget(parent, Qt::Tool), prefs_(prefs) {
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
    connect(boxes_[i], &QCheckBox::toggled, this, [this, i](bool on) {
      if (syncing_) return;
      prefs_.Box(i).value = on ? 1 : 0;
      prefs_.Box_Click(i);
      AfterHandler();
    });
  }
  auto* buttons = new QHBoxLayout();
  setAll_ = new QPushButton(this);
  clearAll_ = new QPushButton(this);
  close_ = new QPushButton(this);
  for (QPushButton* b : {setAll_, clearAll_, close_}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(setAll_, &QPushButton::clicked, this, [this] {
    prefs_.cmdSetClear_Click(0);
    AfterHandler();
  });
  connect(clearAll_, &QPushButton::clicked, this, [this] {
    prefs_.cmdSetClear_Click(1);
    AfterHandler();
  });
  connect(close_, &QPushButton::clicked, this, [this] { close(); });
  Sync();
}

void LogPreferencesWindow::AfterHandler() {
  Sync();
  if (afterHandler) afterHandler();
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
  syncing_ = true;
  setWindowTitle(QString::fromStdString(prefs_.caption));
  for (int i = 0; i < kLogPreferenceCount; ++i) {
    const ui::CheckBox& b = prefs_.Box(i);
    boxes_[i]->setText(QString::fromStdString(b.caption));
    boxes_[i]->setChecked(b.value == 1);
    boxes_[i]->setEnabled(b.enabled);
  }
  setAll_->setText(QString::fromStdString(prefs_.cmdSetClear[0].caption));
  clearAll_->setText(QString::fromStdString(prefs_.cmdSetClear[1].caption));
  close_->setText(QString::fromStdString(prefs_.cmdClose.caption));
  syncing_ = false;
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
  if (afterHandler) afterHandler();
}

}  // namespace tavro::qt
