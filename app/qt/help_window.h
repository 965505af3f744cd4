// A short guide to the date entry, opened by F1 and the Help button, with
// the About box behind its "About TAVRO" button.
#pragma once

#include <QDialog>

namespace tavro::qt {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent);
  static QString GuideHtml();

 private:
  QDialog* aboutBox_ = nullptr;
};

}  // namespace tavro::qt
