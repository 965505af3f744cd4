#include "cli/range.h"

#include <CLI/CLI.hpp>
#include <optional>

#include "cli/command.h"
#include "cli/options.h"
#include "core/time/euro_date.h"

namespace tavro::cli {
namespace {

// A CE date "year-month-day" (astronomical year, may be negative) that exists.
std::optional<int32_t> ParseCeDate(const std::string& text) {
  const bool negative = !text.empty() && text[0] == '-';
  const std::string body = negative ? text.substr(1) : text;
  const size_t a = body.find('-');
  const size_t b = a == std::string::npos ? a : body.find('-', a + 1);
  if (b == std::string::npos || body.find('-', b + 1) != std::string::npos) return std::nullopt;
  const auto year = ParseInt(body.substr(0, a));
  const auto month = ParseInt(body.substr(a + 1, b - a - 1));
  const auto day = ParseInt(body.substr(b + 1));
  if (!year || !month || !day || *year > 100000 || *month < 1 || *month > 12 || *day < 1 || *day > 31)
    return std::nullopt;
  const int32_t y = negative ? -*year : *year;
  const int32_t jdn = GregorianJDN(y, *month, *day);
  const EuroDate back = GregorianOf(jdn);
  if (back.year != y || back.month != *month || back.day != *day) return std::nullopt;
  return jdn;
}

// Reads both bounds with `read`; `bad` words a bound it refuses.
template <class Read>
Span ParseSpan(const RangeOptions& o, Read read, const std::string& bad, int32_t first, int32_t last,
               const std::string& outside, const std::string& kind) {
  Span s;
  if (!Given(o.fromOption) || !Given(o.toOption) || o.from.empty() || o.to.empty()) {
    s.error = "both --from and --to are needed";
    return s;
  }
  const std::optional<int32_t> from = read(o.from), to = read(o.to);
  if (!from || !to) {
    s.error = bad + "'" + (from ? o.to : o.from) + "'";
  } else if (*from < first || *from > last || *to < first || *to > last) {
    s.error = outside;
  } else if (*from > *to) {
    s.error = "--from " + kind + " is after --to " + kind;
  } else {
    s.from = *from;
    s.to = *to;
  }
  return s;
}

}  // namespace

void AddRangeOptions(CLI::App& app, RangeOptions& o, const std::string& what, const std::string& type) {
  o.fromOption = app.add_option("--from", o.from, "first " + what + "; required");
  o.toOption = app.add_option("--to", o.to, "last " + what + "; required");
  if (!type.empty()) {
    o.fromOption->type_name(type);
    o.toOption->type_name(type);
  }
}

Span ParseYearRange(const RangeOptions& o) {
  return ParseSpan(o, ParseInt, "not a year: ", kFirstYear, kLastYear,
                   "years must lie between " + std::to_string(kFirstYear) + " and " + std::to_string(kLastYear),
                   "year");
}

Span ParseDayRange(const RangeOptions& o) {
  return ParseSpan(o, ParseCeDate, "not a CE date (year-month-day): ", kFirstDay, kLastDay,
                   "dates must lie between -3000-01-01 and 3000-01-01", "date");
}

}  // namespace tavro::cli
