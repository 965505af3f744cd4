// "Configure log entries": the thirteen boxes of the log preferences.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

#include "app/log/frm_log_preferences.h"

namespace tavro::qt {

class LogPreferencesWindow : public QWidget {
 public:
  explicit LogPreferencesWindow(FrmLogPreferences& prefs, QWidget* parent = nullptr);

  // Opens with its bottom edge on the main window's bottom edge and its right
  // edge 80 twips inside the main window's right edge.
  void ShowBeside(QWidget* mainWindow);
  void Sync();
  // Run after the window changed the preferences (every window shows them).
  std::function<void()> afterHandler;

 protected:
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void AfterHandler();

  FrmLogPreferences& prefs_;
  std::array<QCheckBox*, kLogPreferenceCount> boxes_{};
  QPushButton *setAll_, *clearAll_, *close_;
  bool syncing_ = false;
};

}  // namespace tavro::qt
