// The moment the main window shows, as the commands print it: the rows every
// command prints, and the same moment as plain JSON data.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "app/main/shown_rows.h"

namespace tavro {
class FrmMain;
}

namespace tavro::cli {

using Json = nlohmann::ordered_json;  // keys in the order they are written

// `j` as text; bytes that are not UTF-8 (an entry may hold anything) become
// U+FFFD instead of stopping the program. indent -1: one line.
inline std::string JsonText(const Json& j, int indent = -1) {
  return j.dump(indent, ' ', false, Json::error_handler_t::replace);
}

// The shown rows, with the two chronological Julian date rows always among
// them (after AJD): a script has no screen to save.
std::vector<ShownRow> CommandRows(const FrmMain& f);

// [{row, title, text}, ...] of CommandRows.
Json RowsJson(const FrmMain& f);

// The current moment as data: ajd, cjdl, cjdc, ce, jc, chl, chs, arc, the
// names of day, month and year, moon, delta_t_minutes, country, longitude;
// then `rows`.
Json MomentJson(const FrmMain& f);

}  // namespace tavro::cli
