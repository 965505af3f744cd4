// The rows the main window shows, in window order, as plain values: what the
// command line prints and what the window lays out.
#pragma once

#include <string>
#include <vector>

#include "app/main/frm_main.h"

namespace tavro {

struct ShownRow {
  std::string key;      // stable name: "CE", "JC", "CHL", ..., "day", "month", "year", "deltaT", "phase", "age"
  std::string title;    // the row title (empty for the single labels)
  std::string text;
  std::string tooltip;
};

// Only visible rows are listed.
std::vector<ShownRow> ShownRows(const FrmMain& f);

}  // namespace tavro
