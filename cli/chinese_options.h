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
#include "core/chinese/names.h"
#include "core/time/euro_date.h"
#include "core/time/settings.h"

namespace tavro::cli {

// Reference-meridian days the program converts: -3000-01-01 .. 3000-01-01.
inline constexpr int32_t kFirstChineseDay = 625333;
inline constexpr int32_t kLastChineseDay = 2816788;

enum class Format { Tsv, Csv, Json };

struct ChineseOptions {
  Settings settings;
  Country country = Country::China;
  Format format = Format::Tsv;
  std::string from, to;  // raw --from / --to values
  std::string error;     // empty when the arguments are good
};

// The raw values of --from, --to, --country, --longitude, --epoch, --method
// and --format, and whether each was given.
struct ChineseArgs {
  enum { kFrom, kTo, kCountry, kLongitude, kEpoch, kMethod, kFormat, kCount };
  std::string values[kCount];
  CLI::Option* options[kCount] = {};
  bool given(int k) const { return Given(options[k]); }
};

// `format`: whether the command takes --format.
inline void AddChineseOptions(CLI::App& app, ChineseArgs& a, const std::string& fromTo, bool format = true) {
  a.options[ChineseArgs::kFrom] = app.add_option("--from", a.values[ChineseArgs::kFrom], "first " + fromTo + "; required");
  a.options[ChineseArgs::kTo] = app.add_option("--to", a.values[ChineseArgs::kTo], "last " + fromTo + "; required");
  a.options[ChineseArgs::kCountry] =
      app.add_option("--country", a.values[ChineseArgs::kCountry], "china, vietnam or japan")->type_name("NAME");
  a.options[ChineseArgs::kLongitude] =
      app.add_option("--longitude", a.values[ChineseArgs::kLongitude],
                     "reference meridian, whole degrees East 100..145 (default: the country's)")
          ->type_name("DEG");
  a.options[ChineseArgs::kEpoch] =
      app.add_option("--epoch", a.values[ChineseArgs::kEpoch], "-2696 or -2636")->type_name("YEAR");
  a.options[ChineseArgs::kMethod] =
      app.add_option("--method", a.values[ChineseArgs::kMethod], "true or mean (sun)")->type_name("SUN");
  if (!format) return;
  a.options[ChineseArgs::kFormat] =
      app.add_option("--format", a.values[ChineseArgs::kFormat], "tsv (default), csv or json")->type_name("FORMAT");
}

inline ChineseOptions ParseChineseOptions(const ChineseArgs& a) {
  ChineseOptions o;
  std::optional<int> longitude;
  const auto& v = a.values;
  o.from = v[ChineseArgs::kFrom];
  o.to = v[ChineseArgs::kTo];
  if (a.given(ChineseArgs::kCountry)) {
    const std::string& c = v[ChineseArgs::kCountry];
    if (c == "china") o.country = Country::China;
    else if (c == "vietnam") o.country = Country::Vietnam;
    else if (c == "japan") o.country = Country::Japan;
    else o.error = "--country must be china, vietnam or japan, not '" + c + "'";
  }
  if (o.error.empty() && a.given(ChineseArgs::kLongitude)) {
    longitude = ParseInt(v[ChineseArgs::kLongitude]);
    if (!longitude || *longitude < 100 || *longitude > 145)
      o.error = "--longitude must be a whole number of degrees from 100 to 145, not '" + v[ChineseArgs::kLongitude] + "'";
  }
  if (o.error.empty() && a.given(ChineseArgs::kEpoch)) {
    const auto e = ParseInt(v[ChineseArgs::kEpoch]);
    if (e && (*e == -2696 || *e == -2636)) o.settings.epoch = *e;
    else o.error = "--epoch must be -2696 or -2636, not '" + v[ChineseArgs::kEpoch] + "'";
  }
  if (o.error.empty() && a.given(ChineseArgs::kMethod)) {
    const std::string& m = v[ChineseArgs::kMethod];
    if (m == "true") o.settings.method = 0;
    else if (m == "mean") o.settings.method = 1;
    else o.error = "--method must be true or mean, not '" + m + "'";
  }
  if (o.error.empty() && a.given(ChineseArgs::kFormat)) {
    const std::string& f = v[ChineseArgs::kFormat];
    if (f == "tsv") o.format = Format::Tsv;
    else if (f == "csv") o.format = Format::Csv;
    else if (f == "json") o.format = Format::Json;
    else o.error = "--format must be tsv, csv or json, not '" + f + "'";
  }
  if (!o.error.empty()) return o;
  if (!a.given(ChineseArgs::kFrom) || !a.given(ChineseArgs::kTo) || o.from.empty() || o.to.empty())
    o.error = "both --from and --to are needed";
  o.settings.referenceLongitude = longitude ? *longitude : DefaultLongitude(o.country);
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
