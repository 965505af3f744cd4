// The data window's widgets: the year data, the lists and the self-test. Each
// widget is bound to one control value of FrmData: a change by the user writes
// it at once; after every handler and every event-pump yield of a long
// listing the values are shown again. No calendar logic lives here.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "app/data/frm_data.h"
#include "app/main/frm_main.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tavro::qt {

class QtPlatform;

class DataWindow : public QWidget {
 public:
  // The window shows its values with the others' (a view of `platform`), at
  // every yield of a listing too. `main` is read when a listing starts.
  DataWindow(QtPlatform& platform, FrmMain& main, QWidget* parent = nullptr);
  ~DataWindow() override;

  // The main window's data buttons (see OpenFromMain).
  void Open(int window);

  FrmData& logic() { return *data_; }
  // Mirrors the logic's values into the widgets.
  void Sync();

 protected:
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Run(const std::function<void()>& handler);
  void TakeSelection();
  void EscapePressed();
  void SyncText();

  QtPlatform& platform_;
  std::unique_ptr<FrmData> data_;
  int view_ = 0;
  FrmMain& main_;

  QPlainTextEdit* text_;
  QRadioButton *optCE_, *optJC_;
  QCheckBox *major_, *minor_, *names_, *large_, *leapOnly_, *omitInvalid_;
  QLineEdit *numYears_, *start_, *end_;
  QLabel* years_;
  QPushButton *copy_, *stop_, *close_, *list_;
  std::string shown_;  // the logic's text as last put into the text box
  bool pushing_ = false;
  bool closingByButton_ = false;
};

}  // namespace tavro::qt
