#include "app/qt/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <iostream>

#include "app/qt/image_convert.h"
#include "core/time/data_folder.h"

namespace tavro::qt {

QtPlatform::QtPlatform() {
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (tick_) tick_();
  });
  qApp->installEventFilter(this);
}

bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
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
    return buttons == ui::Buttons::Ok ? ui::Answer::Ok
                                      : (buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Cancel);
  }
  if (sync) sync();
  QMessageBox box(parentWindow);
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
  if (sync) sync();
  QCoreApplication::processEvents();
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
  return QFileDialog::getSaveFileName(parentWindow, QString::fromStdString(title), QString::fromStdString(suggestedName),
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
  if (sync) sync();
  if (parentWindow) parentWindow->repaint();
}

void QtPlatform::Sync() {
  if (sync) sync();
}

}  // namespace tavro::qt
