#include "app/qt/mirror.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>

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
  w->setToolTip(Q(v.tooltip));
}

void MirrorLineEdit(const ui::TextBox& v, QLineEdit* w) {
  const QSignalBlocker block(w);
  const QString t = Q(v.text);
  if (w->text() != t) w->setText(t);
  w->setVisible(v.visible);
  w->setEnabled(v.enabled || w->isReadOnly());
  w->setToolTip(Q(v.tooltip));
}

void MirrorButton(const ui::Button& v, QAbstractButton* w) {
  w->setText(Q(v.caption));
  w->setVisible(v.visible);
  w->setEnabled(v.enabled);
  w->setToolTip(Q(v.tooltip));
}

void MirrorCheckBox(const ui::CheckBox& v, QCheckBox* w) {
  const QSignalBlocker block(w);
  w->setText(Q(v.caption));
  if (v.value == 2) {
    w->setCheckState(Qt::PartiallyChecked);
  } else {
    w->setTristate(false);
    w->setCheckState(v.value == 1 ? Qt::Checked : Qt::Unchecked);
  }
  w->setVisible(v.visible);
  w->setEnabled(v.enabled);
  w->setToolTip(Q(v.tooltip));
}

int CheckBoxValue(const QCheckBox* w) {
  switch (w->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void MirrorOption(const ui::OptionButton& v, QRadioButton* w) {
  const QSignalBlocker block(w);
  w->setText(Q(v.caption));
  if (v.value) w->setChecked(true);
  w->setVisible(v.visible);
  w->setEnabled(v.enabled);
}

void MirrorLabel(const ui::Label& v, QLabel* w) {
  const QString t = Q(v.caption);
  if (w->text() != t) w->setText(t);
  w->setVisible(v.visible);
  w->setToolTip(Q(v.tooltip));
}

void MirrorTable(const ui::Table& v, QTreeWidget* w) {
  const QSignalBlocker block(w);
  QStringList header;
  for (const auto& c : v.columns) header << Q(c);
  if (w->columnCount() != header.size()) w->setColumnCount(static_cast<int>(header.size()));
  bool sameHeader = true;
  for (int c = 0; c < header.size() && sameHeader; ++c) sameHeader = w->headerItem()->text(c) == header[c];
  if (!sameHeader) w->setHeaderLabels(header);

  bool same = w->topLevelItemCount() == static_cast<int>(v.rows.size());
  for (int r = 0; same && r < w->topLevelItemCount(); ++r) {
    const QTreeWidgetItem* item = w->topLevelItem(r);
    const auto& row = v.rows[r];
    for (int c = 0; same && c < static_cast<int>(row.size()); ++c) same = item->text(c).toStdString() == row[c];
  }
  if (!same) {
    w->clear();
    QList<QTreeWidgetItem*> items;
    for (const auto& row : v.rows) {
      QStringList texts;
      for (const auto& t : row) texts << Q(t);
      items << new QTreeWidgetItem(texts);
    }
    w->addTopLevelItems(items);
    for (int c = 0; c < w->columnCount(); ++c) w->resizeColumnToContents(c);
  }
  QTreeWidgetItem* current = v.Valid(v.index) ? w->topLevelItem(v.index) : nullptr;
  if (w->currentItem() != current) {
    w->setCurrentItem(current);
    if (current) w->scrollToItem(current);
  }
  if (current && !current->isSelected()) current->setSelected(true);
  w->setVisible(v.visible);
  w->setEnabled(v.enabled);
  w->setToolTip(Q(v.tooltip));
}

}  // namespace tavro::qt
