// The desktop platform: Qt message boxes, clipboard, timer, pictures and the
// settings store behind the window logic's platform interface.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "app/ui/platform.h"

class QWidget;

namespace tavro::qt {

class QtPlatform : public QObject, public ui::Platform {
  Q_OBJECT
 public:
  QtPlatform();

  // The window that owns message boxes, and what mirrors the values to it.
  QWidget* parentWindow = nullptr;
  std::function<void()> sync;
  std::function<void()> showHelp;
  // Without a person to answer (screenshots, tests): messages go to stderr
  // and questions are answered No.
  bool nonInteractive = false;

  ui::Answer MessageBox(const std::string& text, const std::string& title, ui::Icon icon,
                        ui::Buttons buttons) override;
  void SetClipboardText(const std::string& text) override;
  void SetClipboardImage(const ui::Image& image) override;
  void SetTimer(int intervalMs, bool enabled, std::function<void()> onTick) override;
  bool InputPending() override;
  void DoEvents() override;
  bool LoadPicture(const std::string& path, ui::Image& out) override;
  bool ReadSetting(const std::string& name, std::string& value) override;
  bool WriteSetting(const std::string& name, const std::string& value) override;
  std::string SaveFileDialog(const std::string& title, const std::string& suggestedName,
                             const std::string& filter) override;
  std::string AppDataFolder() override;
  std::string ProgramFolder() override;
  void ShowHelp() override;
  void Refresh() override;
  void Sync() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer timer_;
  std::function<void()> tick_;
  bool inputSeen_ = false;
};

}  // namespace tavro::qt
