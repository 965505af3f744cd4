#include "app/qt/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <clocale>
#include <iostream>

#include "app/qt/image_convert.h"
#include "core/time/data_folder.h"

namespace tavro::qt {

namespace {
bool quitting = false;
}

bool QtPlatform::Quitting() { return quitting; }

QtPlatform::QtPlatform() {
  quitting = false;
  // Qt adopts the user's locale for the C library; the program's texts (Moon
  // percentages, numbers read back from the rows) must not follow it.
  std::setlocale(LC_NUMERIC, "C");
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (tick_) tick_();
  });
  qApp->installEventFilter(this);
}

bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    // Enter presses the focused push button, in every window.
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier &&
        button->isEnabled() && button->isVisible()) {
      inputSeen_ = true;
      button->click();
      return true;
    }
  }
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
      inputSeen_ = true;
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

ui::Answer QtPlatform::MessageBox(const std::string& text, const std::string& title, ui::Icon icon,
                                  ui::Buttons buttons) {
  if (nonInteractive) {
    std::string clean;
    for (char c : text)
      if (c != '\r') clean += c;
    std::cerr << title << ": " << clean << "\n";
    if (onMessage) onMessage(text);
    return buttons == ui::Buttons::Ok ? ui::Answer::Ok
                                      : (buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Cancel);
  }
  Sync();
  // Over the window the user works in (a dialog included), which it hands
  // back afterwards; over the main window when no window of the program is active.
  QMessageBox box(Owner());
  box.setWindowTitle(QString::fromStdString(title));
  box.setText(QString::fromStdString(text));
  switch (icon) {
    case ui::Icon::Information: box.setIcon(QMessageBox::Information); break;
    case ui::Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case ui::Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case ui::Icon::Question: box.setIcon(QMessageBox::Question); break;
    case ui::Icon::None: break;
  }
  switch (buttons) {
    case ui::Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case ui::Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case ui::Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
  }
  const int r = box.exec();
  switch (r) {
    case QMessageBox::Yes: return ui::Answer::Yes;
    case QMessageBox::No: return ui::Answer::No;
    case QMessageBox::Cancel: return ui::Answer::Cancel;
    default: return buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Ok;
  }
}

void QtPlatform::SetClipboardText(const std::string& text) {
  QApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtPlatform::SetClipboardImage(const ui::Image& image) { QApplication::clipboard()->setImage(ToQImage(image)); }

void QtPlatform::SetTimer(int intervalMs, bool enabled, std::function<void()> onTick) {
  tick_ = std::move(onTick);
  timer_.setInterval(intervalMs > 0 ? intervalMs : 1);
  if (enabled)
    timer_.start();
  else
    timer_.stop();
}

bool QtPlatform::InputPending() {
  // Let queued input arrive, then report whether any did since the last look.
  QCoreApplication::sendPostedEvents();
  const bool seen = inputSeen_;
  inputSeen_ = false;
  return seen;
}

void QtPlatform::DoEvents() {
  Sync();
  QCoreApplication::processEvents();
  // What the handlers run during the yield changed is shown at once.
  Sync();
}

bool QtPlatform::LoadPicture(const std::string& path, ui::Image& out) {
  QImage img(QString::fromStdString(path));
  if (img.isNull()) return false;
  out = FromQImage(img);
  return true;
}

bool QtPlatform::ReadSetting(const std::string& name, std::string& value) {
  QSettings s(ui::kOrganisation, ui::kApplication);
  const QVariant v = s.value(QString::fromStdString(name));
  if (!v.isValid()) return false;
  std::string t = v.toString().toStdString();
  while (!t.empty() && static_cast<unsigned char>(t.back()) < 32) t.pop_back();
  value = t;
  return true;
}

bool QtPlatform::WriteSetting(const std::string& name, const std::string& value) {
  QSettings s(ui::kOrganisation, ui::kApplication);
  s.setValue(QString::fromStdString(name), QString::fromStdString(value.empty() ? " " : value));
  s.sync();
  return s.status() == QSettings::NoError;
}

std::string QtPlatform::SaveFileDialog(const std::string& title, const std::string& suggestedName,
                                       const std::string& filter) {
  if (nonInteractive) return {};
  return QFileDialog::getSaveFileName(Owner(), QString::fromStdString(title), QString::fromStdString(suggestedName),
                                      QString::fromStdString(filter))
      .toStdString();
}

std::string QtPlatform::AppDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
}

// Beside the executable in a build tree, ../share/tavro when installed.
std::string QtPlatform::ProgramFolder() { return ProgramDataFolder(); }

void QtPlatform::ShowHelp() {
  if (showHelp) showHelp();
}

void QtPlatform::Refresh() {
  Sync();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) w->repaint();
}

QWidget* QtPlatform::Owner() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return parentWindow;
}

int QtPlatform::AddView(std::function<void()> show) {
  views_.push_back({nextView_, std::move(show)});
  return nextView_++;
}

void QtPlatform::RemoveView(int id) {
  for (auto it = views_.begin(); it != views_.end(); ++it)
    if (it->first == id) {
      views_.erase(it);
      return;
    }
}

void QtPlatform::Sync() {
  // A view's showing may run code that asks again; once is enough. After
  // Quit nothing is shown any more (the windows stay hidden).
  if (syncing_ || quitting) return;
  syncing_ = true;
  const auto views = views_;  // a view may add or remove views
  for (const auto& [id, show] : views) show();
  syncing_ = false;
}

void QtPlatform::RequestQuit() {
  ui::Platform::RequestQuit();
  quitting = true;
  timer_.stop();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) w->hide();
  // Ends every running event loop (a modal dialog's too) once control
  // returns to it; the loops of the handlers end by QuitRequested.
  QCoreApplication::exit(0);
}

}  // namespace tavro::qt
