// The desktop platform: Qt message boxes, clipboard, timer, pictures and the
// settings store behind the window logic's platform interface.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

#include "app/ui/platform.h"

class QWidget;

namespace tavro::qt {

class QtPlatform : public QObject, public ui::Platform {
  Q_OBJECT
 public:
  QtPlatform();

  // The window that owns message boxes.
  QWidget* parentWindow = nullptr;
  std::function<void()> showHelp;
  // Every window registers how it shows its values; Sync shows them all,
  // after every handler and at every event-pump yield.
  int AddView(std::function<void()> show);
  void RemoveView(int id);
  // Tests: sees every message shown without a person to answer it.
  std::function<void(const std::string& text)> onMessage;
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
  bool ShowsPictures() const override { return true; }
  bool ReadSetting(const std::string& name, std::string& value) override;
  bool WriteSetting(const std::string& name, const std::string& value) override;
  std::string SaveFileDialog(const std::string& title, const std::string& suggestedName,
                             const std::string& filter) override;
  std::string AppDataFolder() override;
  std::string ProgramFolder() override;
  void ShowHelp() override;
  void Refresh() override;
  void Sync() override;
  // Saves nothing itself: hides every window and ends the event loop (and the
  // loops that yield, which check QuitRequested).
  void RequestQuit() override;
  // Quit has been asked for: no window may show itself again.
  static bool Quitting();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Owner() const;

  QTimer timer_;
  std::function<void()> tick_;
  bool inputSeen_ = false;
  std::vector<std::pair<int, std::function<void()>>> views_;
  int nextView_ = 1;
  bool syncing_ = false;
};

}  // namespace tavro::qt
