// A short guide to the date entry, opened by F1 and the Help button.
#pragma once

#include <QDialog>

namespace tavro::qt {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent);
  static QString GuideHtml();
};

}  // namespace tavro::qt
