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
class QRadioButton;
class QTreeWidget;

namespace tavro::qt {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// Items (only when they changed, so an open drop-down is not reset), selection,
// visibility, enabled state and tooltip.
void MirrorComboBox(const ui::ListBox& v, QComboBox* w);
// The text only when it changed, so the caret stays where the user left it.
// A read-only box is never greyed: it is there to be read.
void MirrorLineEdit(const ui::TextBox& v, QLineEdit* w);
void MirrorButton(const ui::Button& v, QAbstractButton* w);
// 0 unchecked, 1 checked, 2 grey (partly checked) in every window; a click
// on a grey box checks it, and the box then toggles as a two-state box.
void MirrorCheckBox(const ui::CheckBox& v, QCheckBox* w);
// The widget's value when the user clicks a check box.
int CheckBoxValue(const QCheckBox* w);
// Only the chosen option is set: its group unsets the others.
void MirrorOption(const ui::OptionButton& v, QRadioButton* w);
void MirrorLabel(const ui::Label& v, QLabel* w);
// Column titles and rows (only when they changed, so the view keeps its
// scroll position), the current row, visibility and enabled state.
void MirrorTable(const ui::Table& v, QTreeWidget* w);

}  // namespace tavro::qt
