#include "cli/rows.h"

#include <cstdio>

#include "app/main/frm_main.h"
#include "app/main/shown_rows.h"

namespace tavro::cli {
namespace {

std::string JsonString(const std::string& s) {
  std::string r = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': r += "\\\""; break;
      case '\\': r += "\\\\"; break;
      case '\n': r += "\\n"; break;
      case '\r': r += "\\r"; break;
      case '\t': r += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          r += buf;
        } else {
          r += static_cast<char>(c);
        }
    }
  }
  return r + "\"";
}

std::string Tsv(const std::string& s) {
  std::string r;
  for (char c : s) r += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
  return r;
}

}  // namespace

std::string RowLine(const std::string& key, const std::string& title, const std::string& text) {
  return key + "\t" + Tsv(title) + "\t" + Tsv(text) + "\n";
}

std::string RowsText(const FrmMain& f, bool json) {
  const auto rows = ShownRows(f);
  std::string out;
  if (json) {
    out = "[\n";
    for (size_t k = 0; k < rows.size(); ++k)
      out += "  {\"row\": " + JsonString(rows[k].key) + ", \"title\": " + JsonString(rows[k].title) +
             ", \"text\": " + JsonString(rows[k].text) + "}" + (k + 1 < rows.size() ? ",\n" : "\n");
    out += "]\n";
  } else {
    out = kRowsHeader;
    for (const auto& r : rows) out += RowLine(r.key, r.title, r.text);
  }
  return out;
}

}  // namespace tavro::cli
