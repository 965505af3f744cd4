#include "app/qt/mirror.h"

#include <QSignalBlocker>

namespace tavro::qt {

void MirrorComboBox(const ui::ListBox& v, QComboBox* w) {
  const QSignalBlocker block(w);
  bool same = w->count() == static_cast<int>(v.items.size());
  for (int i = 0; same && i < w->count(); ++i) same = w->itemText(i).toStdString() == v.items[i];
  if (!same) {
    w->clear();
    for (const auto& item : v.items) w->addItem(Q(item));
  }
  if (w->currentIndex() != v.index) w->setCurrentIndex(v.index);
  w->setVisible(v.visible);
  w->setEnabled(v.enabled);
}

}  // namespace tavro::qt
