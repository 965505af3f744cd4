#include "cli/rows.h"

#include "app/main/frm_main.h"
#include "cli/moment.h"

namespace tavro::cli {

std::string TsvCell(const std::string& s) {
  std::string r = s;
  for (char& c : r)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return r;
}

std::string RowLine(const std::string& key, const std::string& title, const std::string& text) {
  return key + "\t" + TsvCell(title) + "\t" + TsvCell(text) + "\n";
}

std::string RowsText(const FrmMain& f, bool json) {
  if (json) return JsonText(MomentJson(f), 2) + "\n";
  std::string out = kRowsHeader;
  for (const auto& r : CommandRows(f)) out += RowLine(r.key, r.title, r.text);
  return out;
}

}  // namespace tavro::cli
