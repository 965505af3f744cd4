// Copying a list's control value into its combo box, shared by the windows.
#pragma once

#include <QComboBox>
#include <QString>
#include <string>

#include "app/ui/controls.h"

namespace tavro::qt {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// Items (only when they changed, so an open drop-down is not reset), selection,
// visibility and enabled state; signals are blocked so no handler runs.
void MirrorComboBox(const ui::ListBox& v, QComboBox* w);

}  // namespace tavro::qt
