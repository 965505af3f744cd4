// The main window's widgets. Each widget is bound to one control value of the
// window logic: a change by the user writes the value at once (and runs its
// handler); after every handler and event-pump yield the values are shown
// again. No calendar logic lives here.
#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "app/main/frm_main.h"

class QLineEdit;
class QComboBox;
class QCheckBox;
class QRadioButton;
class QPushButton;
class QGridLayout;
class QLayout;

namespace tavro::qt {

class QtPlatform;
class HelpWindow;
class SecondaryWindows;

// A label that reports clicks (the display rows copy their date).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
};

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  MainWindow(FrmMain& logic, QtPlatform& platform);
  ~MainWindow() override;

  // Runs a handler of the logic, then shows every window's values again.
  void Run(const std::function<void()>& handler);
  // Shows the logic's values in the widgets (the widgets write theirs back
  // the moment the user changes them).
  void PushToWidgets();
  void ShowHelp();
  // The windows the log, calendar, festivals and data buttons open; their
  // buttons do nothing until they are joined.
  void Join(SecondaryWindows* others) { others_ = others; }
  QWidget* QuitButton() const { return quit_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct LabelBinding {
    ui::Label* value;
    QLabel* widget;
    std::string style;  // last style sheet applied
  };
  struct PictureBinding {
    ui::PictureBox* value;
    QLabel* widget;
    const ui::Image* shown = nullptr;
    std::vector<ui::Rgb> lastPixels;
  };

  // Each widget is made with the handler its change or click runs (none for
  // a widget that only holds a value).
  QLineEdit* AddText(ui::TextBox& v, const char* name);
  QComboBox* AddCombo(ui::ComboBox& v, const char* name, void (FrmMain::*handler)() = nullptr);
  QCheckBox* AddCheck(ui::CheckBox& v, const char* name, void (FrmMain::*handler)());
  QRadioButton* AddOption(ui::OptionButton& v, const char* name, std::function<void()> handler);
  QPushButton* AddButton(ui::Button& v, const char* name, std::function<void()> handler);
  // A button that opens one of the other windows.
  QPushButton* AddOpener(ui::Button& v, const char* name, void (SecondaryWindows::*open)());
  QLabel* AddLabel(ui::Label& v, const char* name, bool clickable = false);
  QLabel* AddPicture(ui::PictureBox& v, const char* name, int w, int h);
  // A display row; one without a kind copies nothing when clicked.
  void AddRow(QGridLayout* grid, int row, FrmMain::LabelPair& pair, std::optional<DisplayRow> kind, const char* name);
  // The window's parts, top to bottom.
  void BuildLayout();
  QWidget* BuildEntryArea();
  QLayout* BuildDisplay();
  QLayout* BuildCountryOptions();
  QLayout* BuildShowOptions();
  QLayout* BuildMoveRow();
  QLayout* BuildRunPaceRow();
  QLayout* BuildSearchRow();
  QLayout* BuildButtonRow();
  QLayout* BuildDataButtons();
  void MirrorStyles();
  void FitToRows();

  FrmMain& f_;
  QtPlatform& platform_;
  HelpWindow* help_ = nullptr;
  SecondaryWindows* others_ = nullptr;
  QWidget* quit_ = nullptr;
  bool pushing_ = false;
  int view_ = 0;
  std::vector<bool> shownRows_;  // visibility of the labels when last fitted
  std::vector<std::pair<ui::TextBox*, QLineEdit*>> texts_;
  std::vector<std::pair<ui::ComboBox*, QComboBox*>> combos_;
  std::vector<std::pair<ui::CheckBox*, QCheckBox*>> checks_;
  std::vector<std::pair<ui::OptionButton*, QRadioButton*>> options_;
  std::vector<std::pair<ui::Button*, QPushButton*>> buttons_;
  std::vector<LabelBinding> labels_;
  std::vector<PictureBinding> pictures_;
  std::string formStyle_;
  QLineEdit* txbDate_ = nullptr;
  QLineEdit* txbPlusMinus_ = nullptr;
  QLabel* yearCaption_ = nullptr;  // captions of the stem and branch pictures
  QLabel* dayCaption_ = nullptr;
};

}  // namespace tavro::qt
