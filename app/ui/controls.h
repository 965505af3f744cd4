// Control values shared by every window. The window logic reads and writes
// these plain values; the Qt layer only mirrors them into widgets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/ui/image.h"

namespace tavro::ui {

// Key codes the key handlers get (the classic virtual-key numbers).
inline constexpr int kKeyF1 = 112;

struct TextBox {
  std::string text;
  bool visible = true, enabled = true;
  std::string tooltip;
};

// A drop-down or plain list: the selection is an index, -1 for none.
struct ListBox {
  std::vector<std::string> items;
  int index = -1;
  bool visible = true, enabled = true;
  std::string tooltip;

  // Text of the selected item, empty without a selection.
  std::string Text() const {
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
  }
  bool Valid(int i) const { return i >= 0 && i < static_cast<int>(items.size()); }
};
using ComboBox = ListBox;

// Check-box values follow the classic tri-state: 0 unchecked, 1 checked, 2 grey.
struct CheckBox {
  int value = 0;
  std::string caption;
  bool visible = true, enabled = true;
  Rgb back{240, 240, 240}, fore{0, 0, 0};
  std::string tooltip;
};

struct OptionButton {
  bool value = false;
  std::string caption;
  bool visible = true, enabled = true;
  Rgb back{240, 240, 240}, fore{0, 0, 0};
};

struct Label {
  std::string caption;
  Rgb back{240, 240, 240}, fore{0, 0, 0};
  bool visible = true;
  std::string tooltip;
};

struct Button {
  std::string caption;
  bool visible = true, enabled = true;
  std::string tooltip;
};

// A list of rows in columns; the selection is a row index, -1 for none.
struct Table {
  std::vector<std::string> columns;            // the column titles
  std::vector<std::vector<std::string>> rows;  // one text per column
  int index = -1;
  bool visible = true, enabled = true;
  std::string tooltip;

  bool Valid(int i) const { return i >= 0 && i < static_cast<int>(rows.size()); }
};

// A frame that groups other controls; hiding or disabling it acts on them all.
struct Panel {
  bool visible = true, enabled = true;
};

// A picture shown in the window: a pixel buffer plus its background colour.
struct PictureBox {
  Image image;
  Rgb back{240, 240, 240};
  bool visible = true;
  std::string tooltip;
};

}  // namespace tavro::ui
