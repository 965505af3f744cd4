// "Configure log entries": the thirteen boxes of the log preferences.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

#include "app/log/frm_log_preferences.h"

namespace tavro::qt {

class QtPlatform;

class LogPreferencesWindow : public QWidget {
 public:
  // Shows its values with the others' (a view of `platform`).
  LogPreferencesWindow(FrmLogPreferences& prefs, QtPlatform& platform, QWidget* parent = nullptr);
  ~LogPreferencesWindow() override;

  // Opens with its bottom edge on the main window's bottom edge and its right
  // edge 80 twips inside the main window's right edge.
  void ShowBeside(QWidget* mainWindow);
  void Sync();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void Run(const std::function<void()>& handler);

  FrmLogPreferences& prefs_;
  QtPlatform& platform_;
  int view_ = 0;
  std::array<QCheckBox*, kLogPreferenceCount> boxes_{};
  QPushButton *setAll_, *clearAll_, *close_;
};

}  // namespace tavro::qt
