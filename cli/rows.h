// The main window's rows as the commands print them: a TSV table with a
// header line, or one JSON object with the moment as data.
#pragma once

#include <string>

namespace tavro {
class FrmMain;
}

namespace tavro::cli {

inline constexpr const char* kRowsHeader = "row\ttitle\ttext\n";

// Tabs and line ends in a TSV cell become spaces.
std::string TsvCell(const std::string& s);

// One TSV line of cells made safe with TsvCell.
std::string RowLine(const std::string& key, const std::string& title, const std::string& text);

// kRowsHeader and a line a row (the CJDL and CJDC rows always among them), or
// the moment's JSON object (see moment.h), indented, with a final line end.
std::string RowsText(const FrmMain& f, bool json);

}  // namespace tavro::cli
