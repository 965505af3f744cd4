// Copying control values into their widgets, shared by the windows. Signals
// are blocked while a value is shown, so no handler runs.
#pragma once

#include <QComboBox>
#include <QString>
#include <string>

#include "app/ui/controls.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace tavro::qt {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// Items (only when they changed, so an open drop-down is not reset), selection,
// visibility and enabled state.
void MirrorComboBox(const ui::ListBox& v, QComboBox* w);
// The text only when it changed, so the caret stays where the user left it.
void MirrorLineEdit(const ui::TextBox& v, QLineEdit* w);
void MirrorButton(const ui::Button& v, QAbstractButton* w);
void MirrorCheckBox(const ui::CheckBox& v, QCheckBox* w);
void MirrorLabel(const ui::Label& v, QLabel* w);
// Column titles and rows (only when they changed, so the view keeps its
// scroll position), the current row, visibility and enabled state.
void MirrorTable(const ui::Table& v, QTreeWidget* w);

}  // namespace tavro::qt
