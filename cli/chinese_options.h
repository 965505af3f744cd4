// Shared by the Chinese-calendar commands (table, months): the calendar
// options, the year and date arguments, and TSV / CSV / JSON output.
#pragma once

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
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

// --from, --to, --country, --longitude, --epoch, --method, --format.
inline ChineseOptions ParseChineseOptions(const Args& args) {
  ChineseOptions o;
  std::optional<int> longitude;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a != "--from" && a != "--to" && a != "--country" && a != "--longitude" && a != "--epoch" &&
        a != "--method" && a != "--format") {
      o.error = "unexpected argument '" + a + "'";
      return o;
    }
    if (i + 1 >= args.size()) {
      o.error = a + " needs a value";
      return o;
    }
    const std::string& v = args[++i];
    if (a == "--from") {
      o.from = v;
    } else if (a == "--to") {
      o.to = v;
    } else if (a == "--country") {
      if (v == "china") o.country = Country::China;
      else if (v == "vietnam") o.country = Country::Vietnam;
      else if (v == "japan") o.country = Country::Japan;
      else o.error = "--country must be china, vietnam or japan, not '" + v + "'";
    } else if (a == "--longitude") {
      longitude = ParseInt(v);
      if (!longitude || *longitude < 100 || *longitude > 145)
        o.error = "--longitude must be a whole number of degrees from 100 to 145, not '" + v + "'";
    } else if (a == "--epoch") {
      const auto e = ParseInt(v);
      if (e && (*e == -2696 || *e == -2636)) o.settings.epoch = *e;
      else o.error = "--epoch must be -2696 or -2636, not '" + v + "'";
    } else if (a == "--method") {
      if (v == "true") o.settings.method = 0;
      else if (v == "mean") o.settings.method = 1;
      else o.error = "--method must be true or mean, not '" + v + "'";
    } else {
      if (v == "tsv") o.format = Format::Tsv;
      else if (v == "csv") o.format = Format::Csv;
      else if (v == "json") o.format = Format::Json;
      else o.error = "--format must be tsv, csv or json, not '" + v + "'";
    }
    if (!o.error.empty()) return o;
  }
  if (o.from.empty() || o.to.empty()) o.error = "both --from and --to are needed";
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
        buffer_ += "\"" + std::string(columns_[i].name) + "\": ";
        buffer_ += columns_[i].numeric ? cells[i] : JsonString(cells[i]);
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
  static std::string JsonString(const std::string& s) {
    std::string r = "\"";
    for (unsigned char c : s) {
      if (c == '"' || c == '\\') {
        r += '\\';
        r += static_cast<char>(c);
      } else if (c < 0x20) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", c);
        r += buf;
      } else {
        r += static_cast<char>(c);
      }
    }
    return r + "\"";
  }

  Format format_;
  std::vector<Column> columns_;
  std::string buffer_;
  size_t rows_ = 0;
};

}  // namespace tavro::cli
