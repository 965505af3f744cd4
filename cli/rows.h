// The main window's rows as the commands print them: a TSV table with a
// header line, or JSON.
#pragma once

#include <string>

namespace tavro {
class FrmMain;
}

namespace tavro::cli {

inline constexpr const char* kRowsHeader = "row\ttitle\ttext\n";

// One TSV line; tabs and line ends in the title and text become spaces.
std::string RowLine(const std::string& key, const std::string& title, const std::string& text);

// kRowsHeader and a line a row, or a JSON list of {row, title, text}.
std::string RowsText(const FrmMain& f, bool json);

}  // namespace tavro::cli
