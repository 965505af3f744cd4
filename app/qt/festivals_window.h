// The festivals window and its export dialog. Each widget is bound to one
// control value of FrmFestivals: a change by the user writes it at once and
// runs its handler; after every handler the values of every window are shown
// again. No calendar logic lives here.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>

#include "app/festivals/frm_festivals.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tavro::qt {

class QtPlatform;

class FestivalExportDialog : public QDialog {
 public:
  FestivalExportDialog(FrmFestivalExport& logic, QtPlatform& platform, QWidget* parent);

  void Sync();
  void reject() override;  // Escape: as Cancel

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void Run(const std::function<void()>& handler);

  FrmFestivalExport& x_;
  QtPlatform& platform_;
  QLabel *from_, *to_, *language_;
  QLineEdit *txbFrom_, *txbTo_;
  QCheckBox* kinds_[kExportKindCount];
  QComboBox* cboLanguage_;
  QPushButton *save_, *cancel_;
};

class FestivalsWindow : public QWidget {
 public:
  FestivalsWindow(FrmFestivals& logic, QtPlatform& platform, QWidget* parent);
  ~FestivalsWindow() override;

  // The main window's "Festivals": the year of its moment, beside it.
  void OpenFrom(const FestivalContext& context, QWidget* mainWindow);
  // Mirrors the logic's values into the widgets (and the export dialog's).
  void Sync();

  FestivalExportDialog& ExportDialog() { return *export_; }

 protected:
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Run(const std::function<void()>& handler);

  FrmFestivals& f_;
  QtPlatform& platform_;
  int view_ = 0;
  bool pushing_ = false;
  bool closingByLogic_ = false;
  QLabel *lblYear_, *lblCountry_, *lblStatus_;
  QLineEdit* txbYear_;
  QPushButton *previous_, *next_, *goTo_, *exportButton_, *close_;
  QTreeWidget* list_;
  FestivalExportDialog* export_;
};

}  // namespace tavro::qt
