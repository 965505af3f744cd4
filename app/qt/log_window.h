// The log window: the log text with copy, clear and close buttons. The text
// and captions come from FrmLog; this only shows them.
#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "app/log/frm_log.h"

namespace tavro::qt {

class QtPlatform;

class LogWindow : public QWidget {
 public:
  // Shows its values with the others' (a view of `platform`).
  LogWindow(FrmLog& log, QtPlatform& platform, QWidget* parent = nullptr);
  ~LogWindow() override;

  // "View log": over the main window (same left edge and width, top 775 twips
  // below its top, 1000 twips lower) unless maximized, without blocking it.
  void ShowOver(QWidget* mainWindow);
  // Mirrors the logic's values into the widgets.
  void Sync();

 protected:
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PullSelection();
  void Run(const std::function<void()>& handler);

  FrmLog& log_;
  QtPlatform& platform_;
  int view_ = 0;
  QPlainTextEdit* text_;
  QPushButton *copy_, *clear_, *close_;
  bool closingByButton_ = false;
};

}  // namespace tavro::qt
