// The About box: version, licence and the credits of the data the program
// ships or depends on. Opened from the Help window.
#pragma once

#include <QDialog>

namespace tavro::qt {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent);
  static QString AboutHtml();
};

}  // namespace tavro::qt
