// The multiple element-animal search window's widgets: a modal dialog that
// mirrors the window logic's control values and forwards clicks to its
// handlers. No calendar logic lives here.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "app/multisearch/frm_multiple_el_an.h"

class QComboBox;
class QCheckBox;
class QLabel;
class QPushButton;
class QEventLoop;

namespace tavro::qt {

class QtPlatform;

class MultiSearchWindow : public QDialog {
  Q_OBJECT
 public:
  // Makes itself the logic's modal loop, so that FrmMultipleElAn::ShowModal
  // runs this dialog.
  // While it runs, the other windows take no input but `quit` (the main
  // window's Quit) and their frames' close.
  MultiSearchWindow(FrmMultipleElAn& logic, QtPlatform& platform, QWidget* parent, QWidget* quit = nullptr);
  ~MultiSearchWindow() override;

  // Shows the dialog until the logic hides it (a result, Close, or closing by
  // the frame).
  void RunModal();
  void PullFromWidgets();
  void PushToWidgets();
  void reject() override;  // Escape
  void done(int r) override;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void Run(const std::function<void()>& handler);
  void BuildLayout();
  void PlaceNextToParent();

  FrmMultipleElAn& w_;
  QtPlatform& platform_;
  bool pushing_ = false;
  int view_ = 0;
  QWidget* quit_ = nullptr;
  QEventLoop* loop_ = nullptr;
  std::vector<std::pair<ui::ComboBox*, QComboBox*>> combos_;
  std::vector<std::pair<ui::Button*, QPushButton*>> buttons_;
  QCheckBox* chkStartingFromToday_ = nullptr;
  QLabel* lblSearching_ = nullptr;
};

}  // namespace tavro::qt
