// Shared by the Chinese-calendar commands (table, months): the calendar
// options, the year and date arguments, and TSV / CSV / JSON output.
#pragma once

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/moment.h"
#include "cli/options.h"
#include "cli/range.h"
#include "cli/settings.h"
#include "core/chinese/names.h"
#include "core/time/euro_date.h"
#include "core/time/settings.h"

namespace tavro::cli {

enum class Format { Tsv, Csv, Json };

// --from / --to, the shared settings and (where the command has it) --format.
struct ChineseArgs {
  RangeOptions range;
  SettingOptions settings;
  std::string format;
  CLI::Option* formatOption = nullptr;
};

struct ChineseOptions {
  Settings settings;
  Country country = Country::China;
  Format format = Format::Tsv;
  std::string error;  // empty when the settings and the format are good
};

// `fromTo` names a bound in the help; `format`: whether the command takes --format.
inline void AddChineseOptions(CLI::App& app, ChineseArgs& a, const std::string& fromTo, bool format = true) {
  AddRangeOptions(app, a.range, fromTo);
  AddSettingOptions(app, a.settings);
  if (!format) return;
  a.formatOption = app.add_option("--format", a.format, "tsv (default), csv or json")->type_name("FORMAT");
}

// The settings and the format; the span is the command's to read (years or dates).
inline ChineseOptions ParseChineseOptions(const ChineseArgs& a) {
  ChineseOptions o;
  ProgramSettings s;
  o.error = ParseSettings(a.settings, s);
  o.settings = s.settings;
  o.country = s.country;
  if (o.error.empty() && Given(a.formatOption)) {
    const std::string& f = a.format;
    if (f == "tsv") o.format = Format::Tsv;
    else if (f == "csv") o.format = Format::Csv;
    else if (f == "json") o.format = Format::Json;
    else o.error = "--format must be tsv, csv or json, not '" + f + "'";
  }
  return o;
}

// "YYYY-MM-DD" with the astronomical year, "-0044-03-15" before year 0.
inline std::string IsoDate(const EuroDate& d) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s%04d-%02d-%02d", d.year < 0 ? "-" : "", d.year < 0 ? -d.year : d.year,
                d.month, d.day);
  return buf;
}

// Rows written as they come, so that long tables need no memory.
class RowWriter {
 public:
  struct Column {
    const char* name;
    bool numeric;
  };
  RowWriter(Format format, std::vector<Column> columns) : format_(format), columns_(std::move(columns)) {
    if (format_ == Format::Json) {
      buffer_ = "[";
      return;
    }
    for (size_t i = 0; i < columns_.size(); ++i) {
      if (i) buffer_ += Separator();
      buffer_ += columns_[i].name;
    }
    buffer_ += "\n";
  }
  void Row(const std::vector<std::string>& cells) {
    if (format_ == Format::Json) {
      buffer_ += rows_ ? ",\n {" : "\n {";
      for (size_t i = 0; i < columns_.size(); ++i) {
        if (i) buffer_ += ", ";
        buffer_ += Json(columns_[i].name).dump() + ": ";
        buffer_ += columns_[i].numeric ? NumberJson(cells[i]).dump() : JsonText(Json(cells[i]));
      }
      buffer_ += "}";
    } else {
      for (size_t i = 0; i < columns_.size(); ++i) {
        if (i) buffer_ += Separator();
        buffer_ += format_ == Format::Csv ? CsvField(cells[i]) : cells[i];
      }
      buffer_ += "\n";
    }
    ++rows_;
    if (buffer_.size() > (1 << 16)) Flush();
  }
  void Finish() {
    if (format_ == Format::Json) buffer_ += rows_ ? "\n]\n" : "]\n";
    Flush();
    std::cout.flush();
  }

 private:
  char Separator() const { return format_ == Format::Csv ? ',' : '\t'; }
  void Flush() {
    std::cout << buffer_;
    buffer_.clear();
  }
  static std::string CsvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string r = "\"";
    for (char c : s) r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
  }
  // The numeric columns hold whole numbers.
  static Json NumberJson(const std::string& cell) {
    int64_t n = 0;
    const auto [ptr, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), n);
    if (ec == std::errc() && ptr == cell.data() + cell.size()) return n;
    return Json::parse(cell, nullptr, false);
  }

  Format format_;
  std::vector<Column> columns_;
  std::string buffer_;
  size_t rows_ = 0;
};

}  // namespace tavro::cli
